#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon::platform {

// Paths and fields travel through the program as UTF-8; the system's wide
// functions take UTF-16. Empty when `utf8` is not valid UTF-8.
std::optional<std::wstring> toWide(std::string_view utf8);

std::string toUtf8(std::wstring_view wide);

// The text in the system's ANSI code page, or nothing when a character of it
// has no exact counterpart there (no best-fit look-alikes: a look-alike
// would name another file).
std::optional<std::string> toAnsi(std::string_view utf8);

std::string ansiToUtf8(std::string_view ansi);

// A character of a text: as UTF-8, and its code point.
struct TextCharacter {
    std::string text;
    char32_t code;
};

// The first character of `utf8` that toAnsi cannot write; nothing when it
// writes them all. U+FFFD stands for bytes that are not UTF-8.
std::optional<TextCharacter> firstOutsideAnsi(std::string_view utf8);

}  // namespace quillon::platform
