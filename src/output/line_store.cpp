#include "output/line_store.h"

#include <algorithm>

namespace quillon::output {

namespace {

// Large enough that a 10 MB stream needs only a few dozen blocks, small
// enough that the last, partly filled one wastes little.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

}  // namespace

void LineStore::add(std::string_view text, Stream stream) {
    const std::size_t needed = text.size() + 1;
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < needed) {
        blocks_.emplace_back().reserve(std::max(kBlockBytes, needed));
    }
    std::string& block = blocks_.back();
    refs_.push_back({static_cast<std::uint32_t>(blocks_.size() - 1),
                     static_cast<std::uint32_t>(block.size()),
                     static_cast<std::uint32_t>(text.size()), stream});
    block += text;
    block += '\n';
    if (refs_.size() > kept_) {
        refs_.pop_front();
    }
    ++count_;
    longest_ = std::max(longest_, text.size());
    bytes_ += needed;
}

Line LineStore::line(std::size_t index) const {
    const Ref& ref = refs_[index - firstKept()];
    return {std::string_view(blocks_[ref.block]).substr(ref.offset, ref.length), ref.stream};
}

std::string LineStore::text() const {
    std::string whole;
    whole.reserve(bytes_);
    for (const std::string& block : blocks_) {
        whole += block;
    }
    return whole;
}

}  // namespace quillon::output
