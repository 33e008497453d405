#pragma once

#include <filesystem>
#include <optional>

namespace quillon::platform {

// A path as the system itself holds it: bytes on POSIX systems, UTF-16 on
// Windows. A path the user names stays in this form until it is shown, so
// that a name the system's encoding cannot show is never swapped for a
// look-alike on its way.
using NativeText = std::filesystem::path::string_type;

// The folder the program runs in; nothing when it has none (it was deleted).
std::optional<NativeText> currentFolder();

// `path` as the system opens it, relative to the current folder: its folders
// resolved as the system resolves them (links followed before "..", so
// "lnk/../x.a78" lies beside the folder that `lnk` points to), its last name
// kept as given. Nothing when that folder does not exist.
std::optional<NativeText> resolvedPath(const NativeText& path);

}  // namespace quillon::platform
