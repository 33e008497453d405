#pragma once

#include <QString>
#include <optional>

#include "platform/native_path.h"

class QUrl;

namespace quillon::ui {

// Paths between the system's own form and text. A name the system's
// encoding cannot show (bytes that are not valid in it, on a POSIX system)
// has no exact text: read as text it would get U+FFFD in place of those
// bytes, and that text names another file, or none.

// `text` in the system's own form.
platform::NativeText nativeText(const QString& text);

// The text of `native`; nothing when it does not give back the same bytes.
std::optional<QString> exactText(const platform::NativeText& native);

// The text of `native`, characters that cannot be shown replaced: fit to
// read and to show, never to name a file with.
QString readableText(const platform::NativeText& native);

// A path the user named, as the system opens it (platform::resolvedPath);
// nothing when its folder does not exist or the resolved path has no exact
// text.
std::optional<QString> systemPath(const platform::NativeText& path);

// The same for the local file or folder a dropped link names; nothing for
// any other link.
std::optional<QString> systemPath(const QUrl& link);

// The folder the program runs in; nothing when it has none or it has no
// exact text.
std::optional<QString> currentFolder();

}  // namespace quillon::ui
