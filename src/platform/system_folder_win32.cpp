#include "platform/system_folder_win32.h"

#include <windows.h>

namespace quillon::platform {

std::optional<std::wstring> systemProgram(std::wstring_view name) {
    wchar_t systemFolder[MAX_PATH + 1] = {};
    const UINT length = ::GetSystemDirectoryW(systemFolder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) {
        return std::nullopt;
    }
    return std::wstring(systemFolder, length) + L"\\" + std::wstring(name);
}

}  // namespace quillon::platform
