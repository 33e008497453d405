#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "command/page_options.h"
#include "command/transfer_command.h"

namespace quillon::command {

// What the upload composition reads from its page, at the moment it composes.
struct UploadSnapshot {
    UploadOptions options;
    std::array<std::string, 3> doubleItems;  // the double combo's own first three items
    std::string folder;                      // the folder list's path
    std::string fileName;                    // the file list's current entry, empty when none
};

// What the dump composition reads from its page.
struct DumpSnapshot {
    DumpOptions options;
    std::array<std::string, 3> doubleItems;
    std::string destination;
};

// Seven fields: alternate (always empty), double, fast, port, type, write;
// the file argument is folder + separator + file name, nothing removed.
TransferCommand composeUpload(const UploadSnapshot& page, std::string_view separator);

// Nine fields: alternate, double, fast (always empty), port, type, bank,
// write, code; the file argument is the destination text, in the "./-name"
// form when it begins with "-" so that the tool cannot take it for options.
TransferCommand composeDump(const DumpSnapshot& page);

// The lines shown under each page: "cartpipe ", every option field followed
// by one blank (an empty field keeps its blank), the file argument without
// quotes. Composed straight into one string, as they are on every key.
std::string uploadPreviewLine(const UploadSnapshot& page, std::string_view separator);
std::string dumpPreviewLine(const DumpSnapshot& page);

// The short form of a path as the system reports it, empty when it has none.
using PathShortener = std::function<std::string(const std::string&)>;

// The upload command as it is started: the file argument in its short form.
TransferCommand uploadForRun(const UploadSnapshot& page, std::string_view separator,
                             const PathShortener& shortPath);

}  // namespace quillon::command
