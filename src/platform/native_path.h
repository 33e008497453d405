#pragma once

#include <filesystem>

namespace quillon::platform {

// A path as the system itself holds it: bytes on POSIX systems, UTF-16 on
// Windows. A path the user names stays in this form until it is shown, so
// that a name the system's encoding cannot show is never swapped for a
// look-alike on its way.
using NativeText = std::filesystem::path::string_type;

}  // namespace quillon::platform
