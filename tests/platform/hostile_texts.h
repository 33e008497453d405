// Texts a user could type or paste into a free-text field, each one a way a shell or the
// interpreter could be made to run, expand, split or alter what reaches the tool. Every
// test of what reaches the tool goes through this one list.
#pragma once

#include <string>
#include <vector>

namespace quillon::platform {

struct HostileText {
    std::string text;
    // cmd.exe cannot be told to take it literally. A text the ANSI code page cannot write is
    // refused there too, which depends on the system: see ansiHolds.
    bool refusedOnWindows;
};

inline const std::vector<HostileText> kHostileTexts = {
    {"$(echo>marker)", false},
    {"`echo>marker`", false},
    {"x;echo>marker", false},
    {"x&echo>marker&", false},
    {"x|echo>marker", false},
    {"x' ; echo>marker ; '", false},
    {"(x)^<y>", false},
    {"*?;,=@", false},
    {"-rf", false},
    {"--help", false},
    {"$HOME ${PATH} ~", false},
    {" blanks ", false},
    {"a\\b\\", false},
    {"", false},
    {"Ünïcødé 日本", false},
    {"x\" & echo>marker & \"", true},
    {"x\necho>marker", true},
    {"%PATH%", true},
    {"!x!", true},
};

}  // namespace quillon::platform
