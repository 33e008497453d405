#include "files/code_points.h"

#include <algorithm>

namespace quillon::files {

namespace {

// Every byte of a code point but its first has the form 10xxxxxx.
bool continuesCodePoint(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::size_t codePointCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char byte) { return !continuesCodePoint(byte); }));
}

std::string_view dropLastCodePoints(std::string_view text, std::size_t count) {
    std::size_t end = text.size();
    for (std::size_t dropped = 0; dropped < count; ++dropped) {
        if (end == 0) {
            return {};
        }
        do {
            --end;
        } while (end > 0 && continuesCodePoint(text[end]));
    }
    return text.substr(0, end);
}

}  // namespace quillon::files
