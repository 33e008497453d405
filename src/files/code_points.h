#pragma once

#include <cstddef>
#include <string_view>

namespace quillon::files {

// Names and paths reach the rules as UTF-8 made from the window's own
// strings, so they are always well formed. The rules count characters as a
// person sees them: code points, never bytes.
std::size_t codePointCount(std::string_view text);

// The text without its last `count` code points (empty when it is shorter).
std::string_view dropLastCodePoints(std::string_view text, std::size_t count);

}  // namespace quillon::files
