#include "platform/interpreter_environment_win32.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace quillon::platform {

namespace {

constexpr std::wstring_view kNoCurrentFolder = L"NoDefaultCurrentDirectoryInExePath";

// This program's folder; empty when the system does not say.
std::wstring ownFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L'\\');
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

std::wstring_view nameOf(std::wstring_view entry) {
    // "=C:=C:\folder" keeps a drive's current folder: its name starts after
    // the first "=".
    return entry.substr(0, entry.find(L'=', 1));
}

bool sameName(std::wstring_view left, std::wstring_view right) {
    return ::CompareStringOrdinal(left.data(), static_cast<int>(left.size()), right.data(),
                                  static_cast<int>(right.size()), TRUE) == CSTR_EQUAL;
}

std::vector<std::wstring> ownEnvironment() {
    std::vector<std::wstring> entries;
    wchar_t* const block = ::GetEnvironmentStringsW();
    if (block == nullptr) {
        return entries;
    }
    for (const wchar_t* entry = block; *entry != L'\0'; entry += entries.back().size() + 1) {
        entries.emplace_back(entry);
    }
    ::FreeEnvironmentStringsW(block);
    return entries;
}

}  // namespace

std::wstring interpreterEnvironment() {
    std::vector<std::wstring> entries = ownEnvironment();
    std::erase_if(entries, [](const std::wstring& entry) {
        return sameName(nameOf(entry), kNoCurrentFolder);
    });
    entries.push_back(std::wstring(kNoCurrentFolder) + L"=1");
    std::wstring folder = ownFolder();
    // A ";" in the folder's name would split it in two on PATH.
    if (folder.find(L';') != std::wstring::npos) {
        folder = L'"' + folder + L'"';
    }
    const auto path = std::find_if(entries.begin(), entries.end(), [](const std::wstring& entry) {
        return sameName(nameOf(entry), L"PATH");
    });
    if (!folder.empty() && path == entries.end()) {
        entries.push_back(L"PATH=" + folder);
    } else if (!folder.empty()) {
        *path = L"PATH=" + folder + L";" + path->substr(nameOf(*path).size() + 1);
    }
    // The system expects the block sorted by name, without regard to case.
    std::sort(entries.begin(), entries.end(),
              [](const std::wstring& left, const std::wstring& right) {
                  const std::wstring_view a = nameOf(left), b = nameOf(right);
                  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                static_cast<int>(b.size()), TRUE) == CSTR_LESS_THAN;
              });
    std::wstring block;
    for (const std::wstring& entry : entries) {
        block += entry;
        block += L'\0';
    }
    block += L'\0';
    return block;
}

unsigned long interpreterEnvironmentFlag() { return CREATE_UNICODE_ENVIRONMENT; }

}  // namespace quillon::platform
