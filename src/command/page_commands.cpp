#include "command/page_commands.h"

#include "command/option_lists.h"

namespace quillon::command {

namespace {

// The text picks the token of the item it equals, compared whole and with
// its letter case; anything else typed gives no token and the tool keeps its
// default.
template <typename Items>
std::string tokenFor(const std::string& text, const Items& items,
                     const std::array<std::string_view, 3>& tokens) {
    for (std::size_t index = 0; index < tokens.size(); ++index) {
        if (text == items[index]) {
            return std::string(tokens[index]);
        }
    }
    return {};
}

// The double combo is read against its own items, so the token follows
// whatever item sits second or third; port and type against their lists.
std::string doubleField(const std::array<std::string, 3>& items, const std::string& text) {
    return tokenFor(text, items, kDoubleModeTokens);
}

std::string portField(const std::string& text) { return tokenFor(text, kPorts, kPortTokens); }

std::string typeField(const std::string& text) {
    return tokenFor(text, kCartridgeTypes, kCartridgeTypeTokens);
}

// A ticked box with an empty text still gives the bare token.
std::string valueField(bool on, std::string_view token, const std::string& value) {
    return on ? std::string(token) + value : std::string();
}

}  // namespace

TransferCommand composeUpload(const UploadSnapshot& page, std::string_view separator) {
    TransferCommand command;
    // Placed one by one: a braced list would build every field twice, and
    // the preview is composed again on every key.
    command.options.reserve(6);
    command.options.emplace_back();  // the upload page has no alternate mode
    command.options.push_back(doubleField(page.doubleItems, page.doubleText));
    command.options.emplace_back(page.fast ? "-f" : "");
    command.options.push_back(portField(page.port));
    command.options.push_back(typeField(page.type));
    command.options.push_back(valueField(page.writeOn, "-w", page.writeAddress));
    // Joined as they stand: a root folder that already ends in the separator
    // gives it twice, which the tool and the system both accept.
    command.file = page.folder + std::string(separator) + page.fileName;
    return command;
}

TransferCommand composeDump(const DumpSnapshot& page) {
    TransferCommand command;
    command.options.reserve(8);
    command.options.emplace_back(page.alternate ? "-a" : "");
    command.options.push_back(doubleField(page.doubleItems, page.doubleText));
    command.options.emplace_back();  // the dump page has no fast transfer
    command.options.push_back(portField(page.port));
    command.options.push_back(typeField(page.type));
    command.options.push_back(valueField(page.bankOn, "-n", page.bank));
    command.options.push_back(valueField(page.writeOn, "-w", page.writeAddress));
    command.options.push_back("-t" + page.code);  // the tool always needs a cartridge code
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
