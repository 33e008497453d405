#include "files/byte_comparison.h"

#include <algorithm>

#include "files/dat_match.h"

namespace quillon::files {

namespace {

std::string bytesText(std::uint64_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

// "3 bytes differ, the first at offset 0x10"; one byte is "at" its offset.
std::string differenceText(const ByteComparison& bytes) {
    const std::string offset = offsetText(*bytes.firstDifference());
    return bytes.differing() == 1
               ? "1 byte differs, at offset " + offset
               : bytesText(bytes.differing()) + " differ, the first at offset " + offset;
}

}  // namespace

// Equal slices are the rule; they are passed over whole before any byte is
// counted.
void ByteComparison::add(std::string_view ours, std::string_view theirs) {
    const std::size_t length = std::min(ours.size(), theirs.size());
    if (ours.substr(0, length) != theirs.substr(0, length)) {
        for (std::size_t at = 0; at < length; ++at) {
            if (ours[at] != theirs[at]) {
                ++differing_;
                if (!first_) {
                    first_ = compared_ + at;
                }
            }
        }
    }
    compared_ += length;
}

std::string comparisonText(std::uint64_t ourSize, std::uint64_t theirSize,
                           const ByteComparison& bytes) {
    if (ourSize == theirSize) {
        return bytes.differing() == 0 ? "Identical" : differenceText(bytes);
    }
    std::string text = "The sizes differ: this file has " + bytesText(ourSize) + ", the other " +
                       bytesText(theirSize);
    const std::uint64_t common = std::min(ourSize, theirSize);
    if (common == 0) {
        return text;
    }
    if (bytes.differing() == 0) {
        return text + "; the shorter is the start of the longer";
    }
    return text + "; within the first " + bytesText(common) + ", " + differenceText(bytes);
}

}  // namespace quillon::files
