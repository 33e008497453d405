#include "platform/native_path.h"

#include <system_error>

namespace quillon::platform {

namespace fs = std::filesystem;

namespace {

// A folder as the system resolves it. A POSIX system follows each link
// before the ".." after it. Windows takes "." and ".." from the path's text
// before it looks at the disk, a link among the folders included, so there
// the text is resolved as it stands.
std::optional<fs::path> resolvedFolder(const fs::path& folder) {
    std::error_code error;
#ifdef _WIN32
    fs::path resolved = folder.lexically_normal();
    if (!fs::is_directory(resolved, error)) {
        return std::nullopt;
    }
#else
    fs::path resolved = fs::canonical(folder, error);
    if (error) {
        return std::nullopt;
    }
#endif
    return resolved;
}

}  // namespace

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
    const std::optional<fs::path> folder =
        resolvedFolder(namesAPlace ? absolute : absolute.parent_path());
    if (!folder) {
        return std::nullopt;
    }
    return namesAPlace ? folder->native() : (*folder / name).native();
}

}  // namespace quillon::platform
