#include <windows.h>

#include "platform/folder_listing.h"
#include "platform/long_path_win32.h"

namespace quillon::platform {

// The C runtime's directory reading, under std::filesystem, cuts a path at
// 260 characters and lists another folder, or none; the system's own search
// takes the "\\?\" form of any length. Each entry's kind comes with the
// listing, so none is opened on its own.
FolderListing listFolder(const NativeText& folder, bool withFiles) {
    FolderListing listing;
    std::wstring pattern = extendedLengthPath(folder);
    if (pattern.empty()) {
        return listing;
    }
    if (pattern.back() != L'\\' && pattern.back() != L'/') {
        pattern += L'\\';
    }
    pattern += L'*';
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return listing;
    }
    do {
        const std::wstring_view name(found.cFileName);
        if (name == L"." || name == L"..") {
            continue;
        }
        // A link to a folder (a junction) opens as the folder; a device is no
        // file to choose.
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            listing.folders.emplace_back(name);
        } else if (withFiles && !(found.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)) {
            listing.files.emplace_back(name);
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return listing;
}

}  // namespace quillon::platform
