#include "output/tool_output.h"

#include <algorithm>

namespace quillon::output {

namespace {

constexpr std::array<Stream, 2> kStreams = {Stream::Output, Stream::Error};

}  // namespace

void ToolOutput::add(Stream stream, std::string_view bytes) {
    const std::size_t at = slot(stream);
    const bool wasOpen = !decoders_[at].open().empty();
    const std::size_t finishedBefore = store_.count();
    decoders_[at].feed(bytes, stream, store_);
    const bool isOpen = !decoders_[at].open().empty();
    if (isOpen || wasOpen) {
        ++openVersion_;
    }
    // A line finished and another begun in the same bytes is a new line.
    if (isOpen && (!wasOpen || store_.count() != finishedBefore)) {
        begun_[at] = openVersion_;
    }
}

void ToolOutput::addInput(std::string_view line) {
    finish();
    std::string shown(kInputMarker);
    shown += line;
    store_.add(shown, Stream::Input);
}

void ToolOutput::finish() {
    for (const Line& line : openLines()) {
        store_.add(line.text, line.stream);
    }
    for (const Stream stream : kStreams) {
        decoders_[slot(stream)].clear();
    }
    ++openVersion_;
}

std::vector<Line> ToolOutput::openLines() const {
    std::vector<Line> open;
    for (const Stream stream : kStreams) {
        const std::string& text = decoders_[slot(stream)].open();
        if (!text.empty()) {
            open.push_back({text, stream});
        }
    }
    if (open.size() == 2 && begun_[1] < begun_[0]) {
        std::swap(open[0], open[1]);
    }
    return open;
}

std::string ToolOutput::text() const {
    std::string whole = store_.text();
    for (const Line& line : openLines()) {
        whole += line.text;
        whole += '\n';
    }
    return whole;
}

}  // namespace quillon::output
