#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::command {

// The tool's name and the two line prefixes. The run prefix names the
// interpreter by the full path the tool was always started with; the Windows
// launcher substitutes the system's own cmd.exe where that file is missing.
inline constexpr std::string_view kToolName = "cartpipe";
inline constexpr std::string_view kPreviewPrefix = "cartpipe ";
inline constexpr std::string_view kRunPrefix = "C:\\Windows\\command.com /k cartpipe ";

// One page's command: ordered option fields (any may be empty) and the file
// argument. Composed afresh whenever it is needed, never stored.
struct TransferCommand {
    std::vector<std::string> options;
    std::string file;

    friend bool operator==(const TransferCommand&, const TransferCommand&) = default;
};

// Prefix, then every option field followed by exactly one blank (an empty
// field still contributes its blank), then the file argument as given.
std::string joinLine(std::string_view prefix, const TransferCommand& command,
                     std::string_view fileArgument);

// The line shown under each page: the file argument without quotes.
std::string renderPreviewLine(const TransferCommand& command);

// The line handed to the interpreter: the file argument between double quotes.
std::string renderRunLine(const TransferCommand& command);

// What the tool itself receives when no interpreter parses the line: the
// non-empty option fields in order, then the file argument.
std::vector<std::string> toolArguments(const TransferCommand& command);

}  // namespace quillon::command
