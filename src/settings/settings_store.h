#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon::settings {

inline constexpr std::string_view kUploadSection = "Upload";
inline constexpr std::string_view kDumpSection = "Dump";
inline constexpr std::string_view kRunSection = "Run";

// The keys of one section with their texts, in the order they are written
// or were found.
using SectionTexts = std::vector<std::pair<std::string, std::string>>;

// The text under `key`: the last one when the key comes more than once (a
// hand-edited file), the empty text when it is not there.
inline std::string textOf(const SectionTexts& texts, std::string_view key) {
    for (auto each = texts.rbegin(); each != texts.rend(); ++each) {
        if (each->first == key) {
            return each->second;
        }
    }
    return {};
}

// This user's persistent store of texts, in sections of keys. A section is
// read and written whole, so that a page is saved in one step: either every
// key of it is stored, or none is.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Every key of the section with its text; none when there is no such
    // section or the store cannot be read.
    virtual SectionTexts readSection(std::string_view section) const = 0;

    // Stores the texts under their keys, keeping every other key and
    // section as it is. Empty when stored; otherwise why not, in words for
    // the user.
    virtual std::string writeSection(std::string_view section, const SectionTexts& texts) = 0;
};

}  // namespace quillon::settings
