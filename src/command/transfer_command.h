#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::command {

// The tool's name, and the start of every line that runs it.
inline constexpr std::string_view kToolName = "cartpipe";
inline constexpr std::string_view kPreviewPrefix = "cartpipe ";

// One page's command: ordered option fields (any may be empty) and the file
// argument. Composed afresh whenever it is needed, never stored.
struct TransferCommand {
    std::vector<std::string> options;
    std::string file;

    friend bool operator==(const TransferCommand&, const TransferCommand&) = default;
};

// A field given as text; fields made of pieces bring overloads of their own.
inline std::size_t fieldSize(std::string_view field) { return field.size(); }
inline void appendField(std::string& line, std::string_view field) { line += field; }

// The one joining rule of every line: the prefix, then every option field
// followed by exactly one blank (an empty field keeps its blank: the tool's
// users read the line by position, so the gaps are part of what it shows),
// then the file argument as given. Sized once and written in place, as the
// preview is rebuilt on every key.
template <typename Options, typename File>
std::string joinFields(std::string_view prefix, const Options& options, const File& file) {
    std::size_t size = prefix.size() + fieldSize(file);
    for (const auto& field : options) size += fieldSize(field) + 1;
    std::string line;
    line.reserve(size);
    line += prefix;
    for (const auto& field : options) {
        appendField(line, field);
        line += ' ';
    }
    appendField(line, file);
    return line;
}

inline std::string joinLine(std::string_view prefix, const TransferCommand& command,
                            std::string_view fileArgument) {
    return joinFields(prefix, command.options, fileArgument);
}

// What the tool itself receives when no interpreter parses the line: the
// non-empty option fields in order, then the file argument.
std::vector<std::string> toolArguments(const TransferCommand& command);

}  // namespace quillon::command
