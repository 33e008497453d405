#include "command/page_commands.h"

#include <span>

#include "command/option_lists.h"

namespace quillon::command {

namespace {

// One field as the pieces it is made of (a token and the text after it; a
// folder, a separator and a name), each a view of a literal or of the
// snapshot: nothing is copied until the line or the command is built.
struct Field {
    std::array<std::string_view, 3> pieces;
};

std::size_t fieldSize(const Field& field) {
    return field.pieces[0].size() + field.pieces[1].size() + field.pieces[2].size();
}

void appendField(std::string& text, const Field& field) {
    for (const std::string_view piece : field.pieces) text += piece;
}

// A page's command before it is built: its option fields in order, then the
// file argument.
struct Fields {
    std::array<Field, 8> options;
    std::size_t count = 0;
    Field file;

    void option(std::string_view token, std::string_view value = {}) {
        options[count++] = {{token, value, {}}};
    }
    std::span<const Field> optionFields() const { return {options.data(), count}; }
};

// The text picks the token of the item it equals, compared whole and with
// its letter case; anything else typed gives no token and the tool keeps its
// default.
template <typename Items>
std::string_view tokenFor(const std::string& text, const Items& items,
                          const std::array<std::string_view, 3>& tokens) {
    for (std::size_t index = 0; index < tokens.size(); ++index) {
        if (text == items[index]) {
            return tokens[index];
        }
    }
    return {};
}

// A ticked box with an empty text still gives the bare token; an unticked
// box ignores its text.
void valueOption(Fields& fields, bool on, std::string_view token, const std::string& value) {
    if (on) {
        fields.option(token, value);
    } else {
        fields.option({});
    }
}

// The double combo is read against its own items, so the token follows
// whatever item sits second or third; port and type against their lists.
Fields uploadFields(const UploadSnapshot& page, std::string_view separator) {
    const UploadOptions& options = page.options;
    Fields fields;
    fields.option({});  // the upload page has no alternate mode
    fields.option(tokenFor(options.doubleText, page.doubleItems, kDoubleModeTokens));
    fields.option(options.fast ? "-f" : "");
    fields.option(tokenFor(options.port, kPorts, kPortTokens));
    fields.option(tokenFor(options.type, kCartridgeTypes, kCartridgeTypeTokens));
    valueOption(fields, options.writeOn, "-w", options.writeAddress);
    // Joined as they stand: a root folder that already ends in the separator
    // gives it twice, which the tool and the system both accept.
    fields.file = {{page.folder, separator, page.fileName}};
    return fields;
}

Fields dumpFields(const DumpSnapshot& page) {
    const DumpOptions& options = page.options;
    Fields fields;
    fields.option(options.alternate ? "-a" : "");
    fields.option(tokenFor(options.doubleText, page.doubleItems, kDoubleModeTokens));
    fields.option({});  // the dump page has no fast transfer
    fields.option(tokenFor(options.port, kPorts, kPortTokens));
    fields.option(tokenFor(options.type, kCartridgeTypes, kCartridgeTypeTokens));
    valueOption(fields, options.bankOn, "-n", options.bank);
    valueOption(fields, options.writeOn, "-w", options.writeAddress);
    fields.option("-t", options.code);  // the tool always needs a cartridge code
    // A typed name such as "-rf.a78" would reach the tool as options. In
    // the form "./-rf.a78" it names the same file (relative names are taken
    // from the current folder either way, on every system) and cannot be
    // mistaken for one; the preview shows that form too, so it shows what
    // runs.
    const std::string_view shield = page.destination.starts_with('-') ? "./" : "";
    fields.file = {{shield, page.destination, {}}};
    return fields;
}

TransferCommand toCommand(const Fields& fields) {
    TransferCommand command;
    command.options.reserve(fields.count);
    for (const Field& field : fields.optionFields()) {
        appendField(command.options.emplace_back(), field);
    }
    appendField(command.file, fields.file);
    return command;
}

std::string previewLine(const Fields& fields) {
    return joinFields(kPreviewPrefix, fields.optionFields(), fields.file);
}

}  // namespace

TransferCommand composeUpload(const UploadSnapshot& page, std::string_view separator) {
    return toCommand(uploadFields(page, separator));
}

TransferCommand composeDump(const DumpSnapshot& page) { return toCommand(dumpFields(page)); }

std::string uploadPreviewLine(const UploadSnapshot& page, std::string_view separator) {
    return previewLine(uploadFields(page, separator));
}

std::string dumpPreviewLine(const DumpSnapshot& page) { return previewLine(dumpFields(page)); }

TransferCommand uploadForRun(const UploadSnapshot& page, std::string_view separator,
                             const PathShortener& shortPath) {
    TransferCommand command = composeUpload(page, separator);
    // The interpreter the tool runs under handles 8.3 names most reliably.
    command.file = shortPath(command.file);
    return command;
}

}  // namespace quillon::command
