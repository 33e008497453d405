#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "output/line_store.h"

namespace quillon::output {

// Turns what a tool writes for a terminal into the lines a reader sees: a
// carriage return starts the line over (a progress counter shows as one line
// that updates, while "\r\n" is a plain line end), colour and other escape
// sequences are dropped, a backspace takes back a character, and other
// control characters are dropped. One decoder per stream, since each has its
// own unfinished line and may be cut anywhere, even inside a sequence.
class LineDecoder {
public:
    // Decodes `bytes`, adding each line they finish to `store` as `stream`.
    void feed(std::string_view bytes, Stream stream, LineStore& store);

    // The line begun and not finished yet, as it reads now; empty if none.
    const std::string& open() const { return open_; }
    // Forgets the open line and any sequence begun: the stream has ended.
    void clear();

private:
    enum class Escape : std::uint8_t {
        None,
        Start,         // after ESC
        Sequence,      // a control sequence, "ESC [" up to its final byte
        Intermediate,  // "ESC (" and the like, up to their final byte
        String,        // "ESC ]" and the like, up to BEL or "ESC \"
        StringEscape,  // ESC inside such a string
    };

    void text(const char* first, const char* last);
    void control(char byte, Stream stream, LineStore& store);
    void escape(char byte, Stream stream, LineStore& store);

    std::string open_;
    bool carriageReturn_ = false;  // the next text starts the line over
    Escape escape_ = Escape::None;
};

}  // namespace quillon::output
