#include "platform/native_path.h"

#include <system_error>

namespace quillon::platform {

namespace fs = std::filesystem;

std::optional<NativeText> currentFolder() {
    std::error_code error;
    const fs::path folder = fs::current_path(error);
    if (error) {
        return std::nullopt;
    }
    return folder.native();
}

// The last name is not resolved when it is a link: the file list shows a
// linked file under the link's own name, and it is that name, the one the
// user chose, whose extension says it is a ROM. The system opens the same
// file through it.
std::optional<NativeText> resolvedPath(const NativeText& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    if (error) {
        return std::nullopt;
    }
    // "x/..", "x/." and "x/" name a folder by its place, not by a name in
    // the folder before them: the whole path is resolved.
    const fs::path name = absolute.filename();
    const bool namesAPlace = name.empty() || name == "." || name == "..";
    const fs::path folder = fs::canonical(namesAPlace ? absolute : absolute.parent_path(), error);
    if (error) {
        return std::nullopt;
    }
    return namesAPlace ? folder.native() : (folder / name).native();
}

}  // namespace quillon::platform
