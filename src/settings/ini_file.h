#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// The file with `texts` stored in `section` and every other byte as it was:
// each key's last definition is rewritten where it stands, a key not there
// yet is added after the section's last key, and a section not there yet is
// added at the end. New lines end as the file's first line does, or with
// `lineEnd` in a file without one. The keys of `texts` are distinct.
// Nothing when the changed file would not read back as `texts`: a file that
// ends inside quotes or after a backslash swallows what is added after it.
std::optional<std::string> withIniSection(std::string_view file, std::string_view section,
                                          const SectionTexts& texts, std::string_view lineEnd);

}  // namespace quillon::settings
