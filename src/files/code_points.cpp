#include "files/code_points.h"

#include "files/utf8.h"

namespace quillon::files {

namespace {

// The byte offset at which the code point numbered `index` (from 0) starts.
std::size_t byteOffsetOf(std::string_view text, std::size_t index) {
    std::size_t offset = 0;
    for (std::size_t i = 0; i < index && offset < text.size(); ++i) {
        offset += utf8::decodeAt(text, offset).size;
    }
    return offset;
}

}  // namespace

std::size_t codePointCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < text.size(); ++count) {
        offset += utf8::decodeAt(text, offset).size;
    }
    return count;
}

std::string_view lastCodePoints(std::string_view text, std::size_t count) {
    const std::size_t total = codePointCount(text);
    if (count >= total) {
        return text;
    }
    return text.substr(byteOffsetOf(text, total - count));
}

std::string_view dropLastCodePoints(std::string_view text, std::size_t count) {
    const std::size_t total = codePointCount(text);
    if (count >= total) {
        return {};
    }
    return text.substr(0, byteOffsetOf(text, total - count));
}

}  // namespace quillon::files
