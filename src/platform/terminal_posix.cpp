#include "platform/terminal_posix.h"

#include "command/transfer_command.h"
#include "platform/program_search_posix.h"
#include "platform/shell_word_posix.h"

namespace quillon::platform {

namespace {

// First the claim ($1): created with noclobber, which fails when the file
// is there (the shell opens it as O_EXCL does), in a subshell so that a
// failing redirection ends only that. A start already claimed runs nothing,
// and its window says why until the user closes it. "$@" then runs the tool
// with its arguments exactly as given, and the user's shell keeps the window
// open with the tool's output, as "/k" does on Windows. The script is a
// constant: field text is never part of it.
constexpr std::string_view kKeepOpenScript =
    R"((set -C; : >"$1") 2>/dev/null || { echo "$0: not run: this start was begun in )"
    R"(another window, or given up on by Quillon. Press Enter to close." >&2; )"
    R"(read -r answer; exit 1; }; shift; "$@"; exec "${SHELL:-/bin/sh}")";

// The script's $0, shown by the shell in its own error messages.
constexpr std::string_view kScriptName = "quillon-run";

// The user's own terminal: a known name keeps its convention, any other
// gets the common one.
std::optional<FoundTerminal> userTerminal(std::string_view variable, std::string_view searchPath) {
    const std::string_view name = variable.substr(variable.rfind('/') + 1);
    TerminalConvention convention{name, kCommonRunFlag};
    for (const TerminalConvention& known : kTerminals) {
        if (known.name == name) {
            convention = known;
        }
    }
    if (variable.find('/') == std::string_view::npos) {
        if (std::optional<std::string> program = findProgram(name, searchPath)) {
            return FoundTerminal{*program, convention};
        }
    } else if (variable.starts_with('/') && isExecutableFile(std::string(variable))) {
        return FoundTerminal{std::string(variable), convention};
    }
    return std::nullopt;
}

}  // namespace

std::vector<FoundTerminal> findTerminals(std::string_view searchPath,
                                         std::optional<std::string_view> terminalVariable) {
    std::vector<FoundTerminal> found;
    const auto add = [&](const TerminalConvention& terminal) {
        if (std::optional<std::string> program = findProgram(terminal.name, searchPath)) {
            found.push_back({*program, terminal});
        }
    };
    add(kTerminalLauncher);
    if (terminalVariable && !terminalVariable->empty()) {
        if (std::optional<FoundTerminal> own = userTerminal(*terminalVariable, searchPath)) {
            found.push_back(*own);
        }
    }
    for (const TerminalConvention& terminal : kTerminals) {
        add(terminal);
    }
    return found;
}

std::vector<std::string> terminalCommandLine(const FoundTerminal& terminal,
                                             const std::string& claim,
                                             const std::vector<std::string>& toolArguments) {
    std::vector<std::string> command = {
        "/bin/sh",
        "-c",
        std::string(kKeepOpenScript),
        std::string(kScriptName),
        claim,
        std::string(command::kToolName),
    };
    command.insert(command.end(), toolArguments.begin(), toolArguments.end());

    std::vector<std::string> line = {terminal.program};
    if (!terminal.convention.wordsBefore.empty()) {
        for (std::string_view word : splitAt(terminal.convention.wordsBefore, ' ')) {
            line.emplace_back(word);
        }
    }
    if (!terminal.convention.oneText) {
        line.insert(line.end(), command.begin(), command.end());
        return line;
    }
    std::string text;
    for (const std::string& word : command) {
        // Appended piece by piece: GCC 12 at -O3 takes `"" + word` for an
        // overlapping copy and stops a warnings-as-errors Release build.
        if (!text.empty()) {
            text += ' ';
        }
        text += shellWord(word);
    }
    line.push_back(text);
    return line;
}

}  // namespace quillon::platform
