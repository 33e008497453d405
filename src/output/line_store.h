#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::output {

// Where a line of a run came from: the tool's standard output or standard
// error, or a line the user sent to its standard input.
enum class Stream : std::uint8_t { Output, Error, Input };

struct Line {
    std::string_view text;
    Stream stream = Stream::Output;
};

// Every finished line of a run, in the order the lines ended. The whole text
// is kept, for the log; only the last `kept` lines can be read one by one,
// which is all a view shows.
//
// The text lives in blocks of a fixed size that are never moved: a long run
// grows by one block at a time instead of copying everything it has kept so
// far into a buffer twice as large, which would double the memory at its peak.
class LineStore {
public:
    explicit LineStore(std::size_t kept) : kept_(kept) {}

    void add(std::string_view text, Stream stream);

    // Lines added since the run began, and the first of them still readable.
    std::size_t count() const { return count_; }
    std::size_t firstKept() const { return count_ - refs_.size(); }
    // A kept line: firstKept() <= index < count().
    Line line(std::size_t index) const;
    // The length in bytes of the longest line added.
    std::size_t longest() const { return longest_; }

    // Every line added, each ended by a line feed.
    std::string text() const;

private:
    struct Ref {
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t length;
        Stream stream;
    };

    std::size_t kept_;
    std::size_t count_ = 0;
    std::size_t longest_ = 0;
    std::size_t bytes_ = 0;
    std::vector<std::string> blocks_;
    std::deque<Ref> refs_;
};

}  // namespace quillon::output
