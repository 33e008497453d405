#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "output/line_decoder.h"
#include "output/line_store.h"

namespace quillon::output {

// How many lines a view of a run keeps; the log keeps them all.
inline constexpr std::size_t kViewLines = 10'000;

// The marker before a line the user sent to the tool, in the view and the log.
inline constexpr std::string_view kInputMarker = "> ";

// What a tool has written so far, as lines: its standard output and standard
// error decoded separately (each stream may stop in the middle of a line or
// of an escape sequence) and kept in the order their lines ended.
class ToolOutput {
public:
    explicit ToolOutput(std::size_t kept = kViewLines) : store_(kept) {}

    // Bytes as they arrived from the tool's standard output or error.
    void add(Stream stream, std::string_view bytes);
    // A line sent to the tool's standard input. The lines the tool had begun
    // (its question) are finished first, so the answer reads below them.
    void addInput(std::string_view line);
    // The tool has ended: what it left unfinished counts as finished lines.
    void finish();

    const LineStore& lines() const { return store_; }
    // Lines begun and not finished, oldest first: at most one per stream.
    std::vector<Line> openLines() const;
    // Grows whenever an open line changes, so that a view knows to redraw it.
    std::uint64_t openVersion() const { return openVersion_; }

    // Everything written, the open lines last: the output part of the log.
    std::string text() const;

private:
    static std::size_t slot(Stream stream) { return stream == Stream::Error ? 1 : 0; }

    LineStore store_;
    std::array<LineDecoder, 2> decoders_;
    // When each decoder's open line was begun, to list them in that order.
    std::array<std::uint64_t, 2> begun_ = {};
    std::uint64_t openVersion_ = 0;
};

}  // namespace quillon::output
