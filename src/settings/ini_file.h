#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace quillon::settings {

// The whole text of an INI settings file, read and changed one section at a
// time. Lines, sections, comments and quotes are found as QSettings finds
// them (see ini_escapes.h), so that this program reads what QSettings would
// read. A section may come in several pieces ("[Upload]" twice); a key
// defined twice means its last definition.

// The keys of `section` with their texts, in the order of the file; a value
// that is not a text (a list, a typed value) reads as the empty text.
SectionTexts readIniSection(std::string_view file, std::string_view section);

// One change to a file's text: the bytes from `from` up to `to` become
// `text`.
struct IniEdit {
    std::size_t from = 0;
    std::size_t to = 0;
    std::string text;
};

// The edits, in the order of the file and apart from each other, that store
// `texts` in `section` and leave every other byte as it was: each key's last
// definition is rewritten where it stands, a key not there yet is added
// after the section's last key, and a section not there yet is added at the
// end. The file is not copied, however large. New lines end as the file's
// first line does, or with `lineEnd` in a file without one. The keys of
// `texts` are distinct. Nothing when what would be added at the end would
// be taken into the file's last line (a file that ends inside quotes or
// after a backslash).
std::optional<std::vector<IniEdit>> iniSectionEdits(std::string_view file, std::string_view section,
                                                    const SectionTexts& texts,
                                                    std::string_view lineEnd);

}  // namespace quillon::settings
