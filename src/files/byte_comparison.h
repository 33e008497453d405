#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::files {

// Two files compared byte for byte, fed in slices of equal length from the
// start: two dumps of one cartridge that differ were not both read well.
class ByteComparison {
public:
    // The next `ours.size()` bytes of each file; `theirs` is as long.
    void add(std::string_view ours, std::string_view theirs);

    std::uint64_t compared() const { return compared_; }
    std::uint64_t differing() const { return differing_; }
    std::optional<std::uint64_t> firstDifference() const { return first_; }

private:
    std::uint64_t compared_ = 0;
    std::uint64_t differing_ = 0;
    std::optional<std::uint64_t> first_;
};

// What the comparison of a file of `ourSize` bytes with one of `theirSize`
// says, their common start having been fed to `bytes`: "Identical", how many
// bytes differ and where the first is, or that the sizes differ (and whether the
// shorter is the start of the longer).
std::string comparisonText(std::uint64_t ourSize, std::uint64_t theirSize,
                           const ByteComparison& bytes);

}  // namespace quillon::files
