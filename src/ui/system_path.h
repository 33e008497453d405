#pragma once

#include <QString>
#include <optional>

#include "platform/native_path.h"

namespace quillon::ui {

// Paths between the system's own form and text. A name the system's
// encoding cannot show (bytes that are not valid in it, on a POSIX system)
// has no exact text: read as text it would get U+FFFD in place of those
// bytes, and that text names another file, or none.

// `text` in the system's own form.
platform::NativeText nativeText(const QString& text);

// The text of `native`; nothing when it does not give back the same bytes.
std::optional<QString> exactText(const platform::NativeText& native);

}  // namespace quillon::ui
