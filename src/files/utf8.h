#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Private to the files library: one step of UTF-8 decoding and encoding.
namespace quillon::files::utf8 {

// One character of a text: a valid sequence, or a single byte that does not
// start one (stray continuation, overlong form, surrogate, cut-off sequence).
struct Unit {
    char32_t codePoint;  // the byte's own value when not valid
    std::size_t size;    // bytes taken from the text, at least 1
    bool valid;
};

// The unit starting at byte `offset`, which must lie inside the text.
Unit decodeAt(std::string_view text, std::size_t offset);

// Appends the UTF-8 form of a valid code point.
void append(std::string& out, char32_t codePoint);

}  // namespace quillon::files::utf8
