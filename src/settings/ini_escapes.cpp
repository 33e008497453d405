#include "settings/ini_escapes.h"

#include <algorithm>
#include <array>

namespace quillon::settings {

namespace {

constexpr char kUpperHex[] = "0123456789ABCDEF";

int hexValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return -1;
}

bool isHexDigit(char c) { return hexValue(c) >= 0; }

void appendUtf8(std::string& out, char32_t code) {
    if (code >= 0xD800 && code <= 0xDFFF) {
        code = 0xFFFD;  // half a surrogate pair names no character
    }
    const int tail = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    constexpr unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLead[tail] | (code >> (6 * tail)));
    for (int i = tail - 1; i >= 0; --i) out += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
}

// The next character of UTF-8 text (this program's keys are well formed; a
// stray byte stands for itself).
char32_t nextCode(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || at + length > text.size()) {
        ++at;
        return lead;
    }
    char32_t code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) code = (code << 6) | (byte(at + i) & 0x3F);
    at += length;
    return code;
}

void appendKeyUnit(std::string& out, char32_t unit) {
    out += unit <= 0xFF ? "%" : "%U";
    for (int shift = unit <= 0xFF ? 4 : 12; shift >= 0; shift -= 4)
        out += kUpperHex[(unit >> shift) & 0xF];
}

// The code unit that "%XX" or "%UXXXX" at `at` writes; none when the digits
// are missing.
std::optional<char32_t> escapedKeyUnit(std::string_view written, std::size_t& at) {
    const bool wide = at + 1 < written.size() && written[at + 1] == 'U';
    const std::size_t first = at + (wide ? 2 : 1);
    const std::size_t digits = wide ? 4 : 2;
    if (first + digits > written.size()) return std::nullopt;
    char32_t unit = 0;
    for (std::size_t i = first; i < first + digits; ++i) {
        if (!isHexDigit(written[i])) return std::nullopt;
        unit = unit * 16 + hexValue(written[i]);
    }
    at = first + digits;
    return unit;
}

// Control characters written as a backslash and a letter.
constexpr std::array<std::pair<char, char>, 7> kControlEscapes = {
    {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'}, {'v', '\v'}}};

// The control character that a backslash and `letter` stand for, or 0.
char controlEscaped(char letter) {
    for (const auto& [name, control] : kControlEscapes) {
        if (name == letter) return control;
    }
    return 0;
}

// The letter that stands for `control` after a backslash, or 0.
char controlEscape(char control) {
    for (const auto& [name, escaped] : kControlEscapes) {
        if (escaped == control) return name;
    }
    return 0;
}

void appendHexEscape(std::string& out, unsigned char byte) {
    constexpr char kLowerHex[] = "0123456789abcdef";
    out += "\\x";
    if (byte >= 0x10) out += kLowerHex[byte >> 4];
    out += kLowerHex[byte & 0xF];
}

// How many arguments a typed value such as "@Rect(1 2 3 4)" gives, counted
// from its opening parenthesis at `open`.
std::size_t typedArguments(std::string_view value, std::size_t open) {
    return static_cast<std::size_t>(
        std::count_if(value.begin() + static_cast<std::ptrdiff_t>(open) + 1, value.end(),
                      [](char c) { return c == ' ' || c == ')'; }));
}

// A value that starts with "@" may be one of the typed values QSettings
// writes for what is not a text.
std::optional<std::string> untyped(std::string value) {
    if (!value.starts_with('@')) return value;
    const std::string_view text = value;
    if (text.ends_with(')')) {
        if (text.starts_with("@ByteArray(")) return std::string(text.substr(11, text.size() - 12));
        if (text.starts_with("@String(")) return std::string(text.substr(8, text.size() - 9));
        if (text.starts_with("@Variant(") || text.starts_with("@DateTime(")) return std::nullopt;
        if ((text.starts_with("@Rect(") && typedArguments(text, 5) == 4) ||
            (text.starts_with("@Size(") && typedArguments(text, 5) == 2) ||
            (text.starts_with("@Point(") && typedArguments(text, 6) == 2)) {
            return std::nullopt;
        }
        if (text == "@Invalid()") return std::string();
    }
    return text.starts_with("@@") ? std::string(text.substr(1)) : value;
}

}  // namespace

std::string escapeIniKey(std::string_view key) {
    std::string out;
    for (std::size_t at = 0; at < key.size();) {
        const char32_t code = nextCode(key, at);
        const bool plain = (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') ||
                           (code >= '0' && code <= '9') || code == '_' || code == '-' ||
                           code == '.';
        if (code == '/') {
            out += '\\';
        } else if (plain) {
            out += static_cast<char>(code);
        } else if (code < 0x10000) {
            appendKeyUnit(out, code);
        } else {  // as the two halves of its UTF-16 pair
            appendKeyUnit(out, 0xD800 + ((code - 0x10000) >> 10));
            appendKeyUnit(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return out;
}

// Keys are compared with this program's own, which are plain ASCII; a
// character beyond U+FFFF in a foreign key need not come back whole.
std::string unescapeIniKey(std::string_view written) {
    std::string out;
    for (std::size_t at = 0; at < written.size();) {
        const std::optional<char32_t> unit =
            written[at] == '%' ? escapedKeyUnit(written, at) : std::nullopt;
        if (unit) {
            appendUtf8(out, *unit);
        } else {
            out += written[at] == '\\' ? '/' : written[at];
            ++at;
        }
    }
    return out;
}

std::string escapeIniText(std::string_view text) {
    std::string out = text.starts_with('@') ? "@" : "";
    out.reserve(text.size() + 3);
    bool needsQuotes = false;
    bool digitsEscaped = false;  // a hex digit after "\x1" or "\0" would lengthen that escape
    for (const char c : text) {
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (digitsEscaped && isHexDigit(c)) {
            appendHexEscape(out, static_cast<unsigned char>(c));
            continue;
        }
        digitsEscaped = false;
        if (c == '\0') {
            out += "\\0";
            digitsEscaped = true;
        } else if (controlEscape(c) != 0) {
            (out += '\\') += controlEscape(c);
        } else if (c == '"' || c == '\\') {
            (out += '\\') += c;
        } else if (static_cast<unsigned char>(c) <= 0x1F) {
            appendHexEscape(out, static_cast<unsigned char>(c));
            digitsEscaped = true;
        } else {
            out += c;
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) {
        return '"' + out + '"';
    }
    return out;
}

// Blanks around a value are dropped unless quoted, but not those that an
// escape wrote; a backslash at the very end keeps every blank before it.
std::optional<std::string> unescapeIniText(std::string_view in) {
    std::string out;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t i = 0;
    std::size_t keep = 0;  // blanks before this length are part of the text
    const auto skipBlanks = [&] {
        while (i < in.size() && (in[i] == ' ' || in[i] == '\t')) ++i;
    };
    skipBlanks();
    while (i < in.size()) {
        const char c = in[i];
        if (c == '\\') {
            if (++i >= in.size()) return untyped(std::move(out));
            const char e = in[i++];
            const int base = e == 'x' ? 16 : (e >= '0' && e <= '7') ? 8 : 0;
            if (controlEscaped(e) != 0) {
                out += controlEscaped(e);
            } else if (e == '"' || e == '?' || e == '\'' || e == '\\') {
                out += e;
            } else if (base == 16 && i >= in.size()) {
                return untyped(std::move(out));
            } else if (base != 0 && (base == 8 || isHexDigit(in[i]))) {
                char16_t unit = base == 8 ? static_cast<char16_t>(e - '0') : 0;
                for (; i < in.size() && hexValue(in[i]) >= 0 && hexValue(in[i]) < base; ++i) {
                    unit = static_cast<char16_t>(unit * base + hexValue(in[i]));
                }
                appendUtf8(out, unit);
            } else if ((e == '\n' || e == '\r') && i < in.size() &&
                       (in[i] == '\n' || in[i] == '\r') && in[i] != e) {
                ++i;  // a line continued after "\r\n" or "\n\r"
            }
            keep = out.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                keep = out.size();
            }
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;  // a list of texts
        } else {
            const std::size_t end = std::min(in.find_first_of("\\\",", i + 1), in.size());
            out.append(in.substr(i, end - i));
            i = end;
        }
    }
    while (!quoted && out.size() > keep && (out.back() == ' ' || out.back() == '\t'))
        out.pop_back();
    return untyped(std::move(out));
}

}  // namespace quillon::settings
