#include "settings/ini_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "settings/ini_escapes.h"

namespace quillon::settings {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNone = std::string_view::npos;

enum : unsigned char { kBlank = 1, kSpecial = 2 };

// Blanks are skipped before a line; only the special bytes can end one, so
// the bytes between them are passed over quickly.
constexpr std::array<unsigned char, 256> kTraits = [] {
    std::array<unsigned char, 256> traits{};
    for (const unsigned char c : {'\t', '\n', '\r', ' '}) traits[c] |= kBlank;
    for (const unsigned char c : {'\n', '\r', '"', ';', '=', '\\'}) traits[c] |= kSpecial;
    return traits;
}();

// One line as QSettings reads it: a value in quotes runs on over line ends,
// a backslash carries the line over one, and a ";" outside quotes ends the
// line, the rest of the text line being a comment.
struct Line {
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t equals = kNone;  // the first "=" outside quotes
};

class Lines {
public:
    explicit Lines(std::string_view text)
        : text_(text), at_(text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0) {}

    bool next(Line& line) {
        const std::size_t size = text_.size();
        std::size_t start = at_;
        while (start < size && has(start, kBlank)) ++start;
        line.equals = kNone;
        bool inQuotes = false;
        std::size_t escapeEnd = kNone;
        std::size_t i = start;
        while (i < size) {
            while (i < size && !has(i, kSpecial)) ++i;
            if (i == size) break;
            const char c = text_[i++];
            if (c == '=') {
                if (!inQuotes && line.equals == kNone) line.equals = i - 1;
            } else if (c == '\\') {
                const bool pair = i + 1 < size && ((text_[i] == '\n' && text_[i + 1] == '\r') ||
                                                   (text_[i] == '\r' && text_[i + 1] == '\n'));
                i = escapeEnd = std::min(size, i + (pair ? 2 : 1));
            } else if (c == '"') {
                inQuotes = !inQuotes;
            } else if (c == ';' && i == start + 1) {
                while (i < size && text_[i] != '\n' && text_[i] != '\r') ++i;
                while (i < size && has(i, kBlank)) ++i;
                start = i;
            } else if (!inQuotes) {  // a line end, or a comment after the line
                --i;
                break;
            }
        }
        at_ = i;
        line.start = start;
        line.end = i;
        if (i == start) return false;
        endsOpen_ = i == size && (inQuotes || escapeEnd == size);
        return true;
    }

    // Whether the last line ran to the end of the text inside quotes, or
    // with a backslash that took the last bytes: what follows the text would
    // then go on that line, not start a new one.
    bool endsOpen() const { return endsOpen_; }

private:
    bool has(std::size_t at, unsigned char trait) const {
        return (kTraits[static_cast<unsigned char>(text_[at])] & trait) != 0;
    }

    std::string_view text_;
    std::size_t at_;
    bool endsOpen_ = false;
};

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kWhite = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(kWhite);
    return first == kNone ? std::string_view()
                          : text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

bool isGeneral(std::string_view name) {
    return name.size() == 7 && std::equal(name.begin(), name.end(), "general",
                                          [](char a, char b) { return (a | 0x20) == b; });
}

// The section a header line opens; none for "[General]", the file's root,
// which "[%General]" escapes.
std::optional<std::string> headerSection(std::string_view line) {
    const std::string_view name =
        trimmed(line.substr(1, std::min(line.find(']'), line.size()) - 1));
    if (isGeneral(name)) return std::nullopt;
    if (name.starts_with('%') && isGeneral(name.substr(1))) return std::string(name.substr(1));
    return unescapeIniKey(name);
}

// Calls `onHeader(line)` for each header of `section` and `onKey(line, key)`
// for each of its key lines, in the order of the file; returns whether the
// file ends open (Lines::endsOpen).
template <typename OnHeader, typename OnKey>
bool walkSection(std::string_view file, std::string_view section, OnHeader onHeader, OnKey onKey) {
    Lines lines(file);
    Line line;
    bool inSection = false;
    while (lines.next(line)) {
        if (file[line.start] == '[') {
            const std::optional<std::string> name =
                headerSection(file.substr(line.start, line.end - line.start));
            inSection = name && *name == section;
            if (inSection) onHeader(line);
        } else if (inSection && line.equals != kNone) {
            onKey(line, unescapeIniKey(trimmed(file.substr(line.start, line.equals - line.start))));
        }
    }
    return lines.endsOpen();
}

// The line end of the file's first line, or `fallback` in a file of one line.
std::string_view lineEndOf(std::string_view file, std::string_view fallback) {
    const std::size_t end = file.find_first_of("\r\n");
    if (end == kNone) return fallback;
    if (file[end] == '\n') return "\n";
    return file.compare(end, 2, "\r\n") == 0 ? "\r\n" : "\r";
}

std::string sectionHeader(std::string_view section, std::string_view lineEnd) {
    const std::string name = escapeIniKey(section);
    return '[' + (isGeneral(name) ? "%General" : name) + ']' + std::string(lineEnd);
}

}  // namespace

SectionTexts readIniSection(std::string_view file, std::string_view section) {
    SectionTexts texts;
    walkSection(
        file, section, [](const Line&) {},
        [&](const Line& line, std::string key) {
            const std::string_view value = file.substr(line.equals + 1, line.end - line.equals - 1);
            texts.emplace_back(std::move(key), unescapeIniText(value).value_or(std::string()));
        });
    return texts;
}

// Rewriting a key's line keeps what follows it as it was read, and keys
// added after the text line of the section's last key start a line of their
// own; only text added at the very end of a file that ends open would be
// taken into its last line.
std::optional<std::vector<IniEdit>> iniSectionEdits(std::string_view file, std::string_view section,
                                                    const SectionTexts& texts,
                                                    std::string_view lineEnd) {
    std::vector<std::optional<Line>> defined(texts.size());
    std::optional<std::size_t> lastLineEnd;  // of the section's last header or key
    const bool endsOpen = walkSection(
        file, section, [&](const Line& line) { lastLineEnd = line.end; },
        [&](const Line& line, const std::string& key) {
            lastLineEnd = line.end;
            for (std::size_t i = 0; i < texts.size(); ++i) {
                if (texts[i].first == key) defined[i] = line;
            }
        });
    const std::string eol(lineEndOf(file, lineEnd));

    std::vector<IniEdit> edits;
    std::string added;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string entry = escapeIniKey(texts[i].first) + '=' + escapeIniText(texts[i].second);
        if (defined[i]) {
            edits.push_back({defined[i]->start, defined[i]->end, std::move(entry)});
        } else {
            (added += entry) += eol;
        }
    }
    const std::size_t end = file.size();
    const bool lastLineRewritten = std::any_of(
        edits.begin(), edits.end(), [end](const IniEdit& edit) { return edit.to == end; });
    if (!lastLineEnd) {  // after a blank line, as QSettings separates sections
        const bool empty = end <= (file.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0);
        const bool open = !empty && file.back() != '\n' && file.back() != '\r';
        edits.push_back(
            {end, end,
             (open ? eol : "") + (empty ? "" : eol) + sectionHeader(section, eol) + added});
    } else if (!added.empty()) {  // after the text line that holds the last key
        const std::size_t next = file.find_first_of("\r\n", *lastLineEnd);
        const std::size_t after =
            next == kNone ? end : next + (file.compare(next, 2, "\r\n") == 0 ? 2 : 1);
        edits.push_back({after, after, (next == kNone ? eol : "") + added});
    }
    if (endsOpen && !lastLineRewritten && !edits.empty() && edits.back().from == end) {
        return std::nullopt;
    }
    std::sort(edits.begin(), edits.end(),
              [](const IniEdit& a, const IniEdit& b) { return a.from < b.from; });
    return edits;
}

}  // namespace quillon::settings
