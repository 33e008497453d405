#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "command/transfer_command.h"

namespace quillon::command {

// What the upload composition reads from its page, at the moment it composes.
struct UploadSnapshot {
    std::array<std::string, 3> doubleItems;  // the double combo's own first three items
    std::string doubleText;
    bool fast = false;
    std::string port;
    std::string type;
    bool writeOn = false;
    std::string writeAddress;
    std::string folder;    // the folder list's path
    std::string fileName;  // the file list's current entry, empty when none
};

// What the dump composition reads from its page.
struct DumpSnapshot {
    bool alternate = false;
    std::array<std::string, 3> doubleItems;
    std::string doubleText;
    std::string port;
    std::string type;
    bool bankOn = false;
    std::string bank;
    bool writeOn = false;
    std::string writeAddress;
    std::string code;
    std::string destination;
};

// Seven fields: alternate (always empty), double, fast, port, type, write;
// the file argument is folder + separator + file name, nothing removed.
TransferCommand composeUpload(const UploadSnapshot& page, std::string_view separator);

// Nine fields: alternate, double, fast (always empty), port, type, bank,
// write, code; the file argument is the destination text unchanged.
TransferCommand composeDump(const DumpSnapshot& page);

// The short form of a path as the system reports it, empty when it has none.
using PathShortener = std::function<std::string(const std::string&)>;

// The upload command as it is started: the file argument in its short form.
TransferCommand uploadForRun(const UploadSnapshot& page, std::string_view separator,
                             const PathShortener& shortPath);

}  // namespace quillon::command
