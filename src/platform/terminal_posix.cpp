#include "platform/terminal_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include "command/transfer_command.h"

namespace quillon::platform {

namespace {

// "$@" runs the tool with its arguments exactly as given; the user's shell
// then keeps the window open with the tool's output, as "/k" does on
// Windows. The script is a constant: field text is never part of it.
constexpr std::string_view kKeepOpenScript = R"("$@"; exec "${SHELL:-/bin/sh}")";

// The script's $0, shown by the shell in its own error messages.
constexpr std::string_view kScriptName = "quillon-run";

bool isExecutableFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string_view> absoluteFolders(std::string_view searchPath) {
    std::vector<std::string_view> folders;
    while (true) {
        const std::size_t colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        // An empty or relative entry means "wherever we happen to stand";
        // a terminal found there could be anything, so it is not looked at.
        if (folder.starts_with('/')) {
            folders.push_back(folder);
        }
        if (colon == std::string_view::npos) {
            return folders;
        }
        searchPath.remove_prefix(colon + 1);
    }
}

}  // namespace

std::optional<FoundTerminal> findTerminal(std::string_view searchPath) {
    const std::vector<std::string_view> folders = absoluteFolders(searchPath);
    for (const TerminalConvention& terminal : kTerminals) {
        for (std::string_view folder : folders) {
            std::string candidate(folder);
            if (!candidate.ends_with('/')) {
                candidate += '/';
            }
            candidate += terminal.name;
            if (isExecutableFile(candidate)) {
                return FoundTerminal{candidate, terminal.runFlag};
            }
        }
    }
    return std::nullopt;
}

std::vector<std::string> terminalCommandLine(const FoundTerminal& terminal,
                                             const std::vector<std::string>& toolArguments) {
    std::vector<std::string> line = {
        terminal.program,
        std::string(terminal.runFlag),
        "/bin/sh",
        "-c",
        std::string(kKeepOpenScript),
        std::string(kScriptName),
        std::string(command::kToolName),
    };
    line.insert(line.end(), toolArguments.begin(), toolArguments.end());
    return line;
}

}  // namespace quillon::platform
