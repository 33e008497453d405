#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform {

// A terminal emulator and the flag after which it takes the program to run
// and that program's arguments, each as a word of its own.
struct TerminalConvention {
    std::string_view name;
    std::string_view runFlag;
};

// In the order they are looked for: the desktop's own choice first, then the
// common ones, xterm last as the one that is nearly always there.
inline constexpr std::array<TerminalConvention, 5> kTerminals = {{
    {"x-terminal-emulator", "-e"},
    {"gnome-terminal", "--"},
    {"konsole", "-e"},
    {"xfce4-terminal", "-x"},
    {"xterm", "-e"},
}};

struct FoundTerminal {
    std::string program;  // absolute path of the executable
    std::string_view runFlag;
};

// The first of kTerminals that stands as an executable file in one of the
// absolute folders of `searchPath` (a colon-separated list like PATH).
std::optional<FoundTerminal> findTerminal(std::string_view searchPath);

// The argument vector that opens `terminal` running the tool with
// `toolArguments`, then the user's shell so the window stays open. The
// arguments travel as positional parameters of a fixed script: no shell ever
// parses their text.
std::vector<std::string> terminalCommandLine(const FoundTerminal& terminal,
                                             const std::vector<std::string>& toolArguments);

}  // namespace quillon::platform
