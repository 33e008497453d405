#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon::settings {

// The settings file is an INI file in the form Qt's QSettings writes and
// reads: earlier versions of this program wrote it with QSettings, and other
// programs may keep it with QSettings too. These functions turn one key or
// one text into that form and back, byte for byte as QSettings does for
// texts. Texts and keys are UTF-8 here; so is the file.

// A key (or a section's name) as written: letters, digits and "_-." stay,
// "/" becomes "\", every other character is %XX (up to U+00FF) or %UXXXX.
std::string escapeIniKey(std::string_view key);

// The key that a written key stands for (the inverse of escapeIniKey, and
// lenient with what a hand may have written).
std::string unescapeIniKey(std::string_view written);

// A text as written after "=": control characters, quotes and backslashes
// escaped, quoted when it holds ";", "," or "=" or begins or ends with a
// blank, and a leading "@" doubled (a single "@" starts a typed value).
std::string escapeIniText(std::string_view text);

// The text that a written value stands for; nothing when the value is not a
// text (a list, or a typed value such as @Variant(…) or @Rect(…)).
std::optional<std::string> unescapeIniText(std::string_view written);

}  // namespace quillon::settings
