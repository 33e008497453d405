#include "platform/long_path_win32.h"

#include <windows.h>

namespace quillon::platform {

namespace {

constexpr std::wstring_view kExtended = L"\\\\?\\";
constexpr std::wstring_view kExtendedNetwork = L"\\\\?\\UNC\\";
constexpr std::wstring_view kNetwork = L"\\\\";

// The shortest of the limits: a folder's path leaves room for an 8.3 name.
constexpr std::size_t kLongestPlainPath = MAX_PATH - 12;

bool isSeparator(wchar_t character) { return character == L'\\' || character == L'/'; }

}  // namespace

std::wstring extendedLengthPath(std::wstring_view path) {
    return path.size() < kLongestPlainPath ? std::wstring(path) : exactPath(path);
}

std::wstring exactPath(std::wstring_view path) {
    const bool network = path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
    const bool drive = path.size() >= 3 && path[1] == L':' && isSeparator(path[2]);
    if (path.starts_with(kExtended) || (!network && !drive)) {
        return std::wstring(path);
    }
    // That form takes no "/" and no doubled separator (a root folder joined
    // to a name gives one): they become single "\".
    std::wstring extended(network ? kExtendedNetwork.substr(0, kExtendedNetwork.size() - 1)
                                  : kExtended);
    for (std::size_t at = network ? 1 : 0; at < path.size(); ++at) {
        if (!isSeparator(path[at])) {
            extended += path[at];
        } else if (extended.back() != L'\\') {
            extended += L'\\';
        }
    }
    return extended;
}

std::wstring plainPath(std::wstring_view path) {
    if (path.starts_with(kExtendedNetwork)) {
        return std::wstring(kNetwork).append(path.substr(kExtendedNetwork.size()));
    }
    if (path.starts_with(kExtended)) {
        return std::wstring(path.substr(kExtended.size()));
    }
    return std::wstring(path);
}

}  // namespace quillon::platform
