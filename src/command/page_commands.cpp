#include "command/page_commands.h"

#include <initializer_list>

namespace quillon::command {

namespace {

// The double combo is read against its own list by position, so the token
// follows whatever item sits second or third.
std::string doubleField(const std::array<std::string, 3>& items, const std::string& text) {
    if (text == items[0]) {
        return {};
    }
    if (text == items[1]) {
        return "-d";
    }
    if (text == items[2]) {
        return "-r";
    }
    return {};
}

// Port and type are compared with fixed texts; anything typed that differs,
// even only in case, gives no token and the tool keeps its default.
struct FixedToken {
    std::string_view text;
    std::string_view token;
};

std::string fixedField(const std::string& text, std::initializer_list<FixedToken> tokens) {
    for (const FixedToken& candidate : tokens) {
        if (text == candidate.text) {
            return std::string(candidate.token);
        }
    }
    return {};
}

std::string portField(const std::string& text) {
    return fixedField(text, {{"Port 2", "-l2"}, {"Port 3", "-l3"}});
}

std::string typeField(const std::string& text) {
    return fixedField(text, {{"Linear", "-c1"}, {"Highscore", "-c2"}});
}

// A ticked box with an empty text still gives the bare token.
std::string valueField(bool on, std::string_view token, const std::string& value) {
    return on ? std::string(token) + value : std::string();
}

}  // namespace

TransferCommand composeUpload(const UploadSnapshot& page, std::string_view separator) {
    TransferCommand command;
    command.options = {
        std::string(),  // the upload page has no alternate mode
        doubleField(page.doubleItems, page.doubleText),
        page.fast ? "-f" : "",
        portField(page.port),
        typeField(page.type),
        valueField(page.writeOn, "-w", page.writeAddress),
    };
    // Joined as they stand: a root folder that already ends in the separator
    // gives it twice, which the tool and the system both accept.
    command.file = page.folder + std::string(separator) + page.fileName;
    return command;
}

TransferCommand composeDump(const DumpSnapshot& page) {
    TransferCommand command;
    command.options = {
        page.alternate ? "-a" : "",
        doubleField(page.doubleItems, page.doubleText),
        std::string(),  // the dump page has no fast transfer
        portField(page.port),
        typeField(page.type),
        valueField(page.bankOn, "-n", page.bank),
        valueField(page.writeOn, "-w", page.writeAddress),
        "-t" + page.code,  // the tool always needs a cartridge code
    };
    // A typed name such as "-rf.a78" would reach the tool as options. In
    // the form "./-rf.a78" it names the same file (relative names are taken
    // from the current folder either way, on every system) and cannot be
    // mistaken for one; the preview shows that form too, so it shows what
    // runs.
    command.file = page.destination.starts_with('-') ? "./" + page.destination : page.destination;
    return command;
}

TransferCommand uploadForRun(const UploadSnapshot& page, std::string_view separator,
                             const PathShortener& shortPath) {
    TransferCommand command = composeUpload(page, separator);
    // The interpreter the tool runs under handles 8.3 names most reliably.
    command.file = shortPath(command.file);
    return command;
}

}  // namespace quillon::command
