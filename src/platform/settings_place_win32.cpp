#include <windows.h>

#include "platform/settings_place.h"
#include "platform/wide_text_win32.h"

namespace quillon::platform {

FileStatus fileStatus(const std::string& path) {
    const std::optional<std::wstring> wide = toWide(path);
    if (!wide) {
        return {FileStatus::Kind::Other, false};
    }
    const DWORD attributes = ::GetFileAttributesW(wide->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        const bool absent = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {absent ? FileStatus::Kind::Absent : FileStatus::Kind::Other, false};
    }
    using Kind = FileStatus::Kind;
    const Kind kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Kind::Folder : Kind::Regular;
    return {kind, (attributes & FILE_ATTRIBUTE_READONLY) != 0};
}

}  // namespace quillon::platform
