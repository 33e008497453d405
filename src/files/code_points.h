#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::files {

// File names reach us as UTF-8; the rules count characters as a person sees
// them, so they work on code points, never on bytes. Invalid bytes count as
// one character each.
std::size_t codePointCount(std::string_view text);

// The last `count` code points (the whole text when it is shorter).
std::string_view lastCodePoints(std::string_view text, std::size_t count);

// The text without its last `count` code points (empty when it is shorter).
std::string_view dropLastCodePoints(std::string_view text, std::size_t count);

// Upper- and lower-case for ASCII, Latin-1, Latin Extended-A, Greek and
// Cyrillic; every other code point stands as it is.
std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);

}  // namespace quillon::files
