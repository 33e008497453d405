#include "command/transfer_command.h"

namespace quillon::command {

std::string joinLine(std::string_view prefix, const TransferCommand& command,
                     std::string_view fileArgument) {
    // Sized once: the line is rebuilt on every key and every option change.
    std::size_t size = prefix.size() + command.options.size() + fileArgument.size();
    for (const std::string& field : command.options) size += field.size();
    std::string line;
    line.reserve(size);
    line += prefix;
    // Empty fields keep their blank: the tool's users read the line by
    // position, so the gaps are part of what the preview shows.
    for (const std::string& field : command.options) {
        line += field;
        line += ' ';
    }
    line += fileArgument;
    return line;
}

std::string renderPreviewLine(const TransferCommand& command) {
    return joinLine(kPreviewPrefix, command, command.file);
}

std::string renderRunLine(const TransferCommand& command) {
    // Quoted so that a path with blanks reaches the tool as one argument.
    return joinLine(kRunPrefix, command, '"' + command.file + '"');
}

std::vector<std::string> toolArguments(const TransferCommand& command) {
    std::vector<std::string> arguments;
    for (const std::string& field : command.options) {
        if (!field.empty()) {
            arguments.push_back(field);
        }
    }
    // The interpreter would pass even an empty quoted path on; so do we.
    arguments.push_back(command.file);
    return arguments;
}

}  // namespace quillon::command
