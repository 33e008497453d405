#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform {

// How a terminal emulator is told the program to run: the words that come
// before it ("-e", "--", "start --", or none), and whether it wants that
// program and its arguments as separate words or as one shell-quoted text
// (a few parse their -e value themselves, the way a shell would).
struct TerminalConvention {
    std::string_view name;
    std::string_view wordsBefore;  // blank-separated
    bool oneText = false;
};

// The launcher of the desktop's choice; $TERMINAL comes right after it.
inline constexpr TerminalConvention kTerminalLauncher = {"xdg-terminal-exec", ""};

// After it and $TERMINAL: the distribution's default, the desktops' own
// terminals, then the stand-alone ones, xterm last as the one that is nearly
// always there.
inline constexpr std::array<TerminalConvention, 17> kTerminals = {{
    {"x-terminal-emulator", "-e"},
    {"kgx", "--"},
    {"ptyxis", "--"},
    {"gnome-terminal", "--"},
    {"konsole", "-e"},
    {"xfce4-terminal", "-x"},
    {"mate-terminal", "-x"},
    {"qterminal", "-e"},
    {"lxterminal", "-e", true},
    {"tilix", "-e", true},
    {"terminator", "-x"},
    {"alacritty", "-e"},
    {"kitty", ""},
    {"foot", ""},
    {"wezterm", "start --"},
    {"urxvt", "-e"},
    {"xterm", "-e"},
}};

// What a terminal named by the user in $TERMINAL gets when its name is none
// of the above: "-e", which nearly every terminal takes.
inline constexpr std::string_view kCommonRunFlag = "-e";

struct FoundTerminal {
    std::string program;  // absolute path of the executable
    TerminalConvention convention;
};

// Every terminal that stands as an executable file, in the order to try
// them: xdg-terminal-exec, then `terminalVariable` ($TERMINAL: a name looked
// up like the others, or an absolute path), then kTerminals. Names are
// looked up in the absolute folders of `searchPath` (colon-separated, like
// PATH).
std::vector<FoundTerminal> findTerminals(std::string_view searchPath,
                                         std::optional<std::string_view> terminalVariable);

// The argument vector that opens `terminal` running the tool with
// `toolArguments` once it has made `claim` (see claim_folder_posix.h), then
// the user's shell so the window stays open. The claim and the arguments
// travel as positional parameters of a fixed script: no shell ever parses
// their text as code.
std::vector<std::string> terminalCommandLine(const FoundTerminal& terminal,
                                             const std::string& claim,
                                             const std::vector<std::string>& toolArguments);

}  // namespace quillon::platform
