#include "output/line_decoder.h"

namespace quillon::output {

namespace {

constexpr char kEscape = '\x1b';
constexpr char kBell = '\a';

bool isControl(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return code < 0x20 || code == 0x7F;
}

bool inRange(char byte, unsigned char low, unsigned char high) {
    const auto code = static_cast<unsigned char>(byte);
    return code >= low && code <= high;
}

}  // namespace

void LineDecoder::feed(std::string_view bytes, Stream stream, LineStore& store) {
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        if (escape_ != Escape::None) {
            escape(*at++, stream, store);
            continue;
        }
        const char* const plain = at;
        while (at < end && !isControl(*at)) {
            ++at;
        }
        // Most lines arrive whole and plain: they go to the store without
        // passing through the open line.
        const bool whole = open_.empty() || (carriageReturn_ && at != plain);
        if (at < end && *at == '\n' && whole) {
            store.add(std::string_view(plain, static_cast<std::size_t>(at - plain)), stream);
            open_.clear();
            carriageReturn_ = false;
            ++at;
            continue;
        }
        if (at != plain) {
            text(plain, at);
        }
        if (at < end) {
            control(*at++, stream, store);
        }
    }
}

void LineDecoder::clear() {
    open_.clear();
    carriageReturn_ = false;
    escape_ = Escape::None;
}

void LineDecoder::text(const char* first, const char* last) {
    if (carriageReturn_) {
        open_.clear();
        carriageReturn_ = false;
    }
    open_.append(first, last);
}

void LineDecoder::control(char byte, Stream stream, LineStore& store) {
    switch (byte) {
        case '\n':
            store.add(open_, stream);
            open_.clear();
            carriageReturn_ = false;
            break;
        case '\r':
            carriageReturn_ = true;
            break;
        case '\t':
            text(&byte, &byte + 1);
            break;
        case '\b':
            // At the start of the line there is nothing to take back; else
            // the last character goes, all bytes of it.
            if (!carriageReturn_) {
                while (!open_.empty() && inRange(open_.back(), 0x80, 0xBF)) {
                    open_.pop_back();
                }
                if (!open_.empty()) {
                    open_.pop_back();
                }
            }
            break;
        case kEscape:
            escape_ = Escape::Start;
            break;
        default:
            break;
    }
}

// A line end inside a sequence ends the sequence too: a sequence the tool
// never finishes must not swallow the rest of its output.
void LineDecoder::escape(char byte, Stream stream, LineStore& store) {
    const Escape state = escape_;
    if (isControl(byte) && !(state == Escape::String && byte != '\n')) {
        escape_ = Escape::None;
        control(byte, stream, store);
        return;
    }
    switch (state) {
        case Escape::Start:
            escape_ = byte == '[' ? Escape::Sequence
                      : std::string_view("]PX^_").find(byte) != std::string_view::npos
                          ? Escape::String
                      : inRange(byte, 0x20, 0x2F) ? Escape::Intermediate
                                                  : Escape::None;
            break;
        case Escape::Sequence:
            if (inRange(byte, 0x40, 0x7E)) {
                escape_ = Escape::None;
            }
            break;
        case Escape::Intermediate:
            if (inRange(byte, 0x30, 0x7E)) {
                escape_ = Escape::None;
            }
            break;
        case Escape::String:
            escape_ = byte == kBell ? Escape::None : byte == kEscape ? Escape::StringEscape : state;
            break;
        case Escape::StringEscape:
        case Escape::None:
            escape_ = Escape::None;
            break;
    }
}

}  // namespace quillon::output
