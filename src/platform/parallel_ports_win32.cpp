#include <windows.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/parallel_ports.h"
#include "platform/wide_text_win32.h"

namespace quillon::platform {

namespace {

// The system's list of ports; a test names a key under the user's own hive.
struct KeyPath {
    HKEY hive;
    std::wstring subkey;
};

std::optional<KeyPath> splitKey(const std::string& source) {
    const std::optional<std::wstring> wide = toWide(source);
    for (const auto& [name, hive] : {std::pair{L"HKEY_LOCAL_MACHINE\\", HKEY_LOCAL_MACHINE},
                                     std::pair{L"HKEY_CURRENT_USER\\", HKEY_CURRENT_USER}}) {
        if (wide && wide->starts_with(name)) {
            return KeyPath{hive, wide->substr(std::wstring_view(name).size())};
        }
    }
    return std::nullopt;
}

// "\DosDevices\LPT1" names the port LPT1.
std::wstring portName(std::wstring_view target) {
    return std::wstring(target.substr(target.rfind(L'\\') + 1));
}

}  // namespace

std::string_view systemPortSource() {
    return "HKEY_LOCAL_MACHINE\\HARDWARE\\DEVICEMAP\\PARALLEL PORTS";
}

// Each value of the key is a port: its name the device ("\Device\Parallel0"),
// its text the DOS name it is reached by ("\DosDevices\LPT1").
std::vector<std::string> parallelPortLines(const std::string& source) {
    std::vector<std::pair<std::wstring, std::wstring>> ports;  // name, device
    const std::optional<KeyPath> path = splitKey(source);
    HKEY key = nullptr;
    if (path &&
        ::RegOpenKeyExW(path->hive, path->subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        wchar_t device[256];
        wchar_t target[256];
        for (DWORD index = 0;; ++index) {
            DWORD deviceLength = std::size(device);
            DWORD targetBytes = sizeof target - sizeof(wchar_t);
            DWORD type = 0;
            const LSTATUS status =
                ::RegEnumValueW(key, index, device, &deviceLength, nullptr, &type,
                                reinterpret_cast<BYTE*>(target), &targetBytes);
            if (status == ERROR_NO_MORE_ITEMS) {
                break;
            }
            if (status != ERROR_SUCCESS || type != REG_SZ) {
                continue;
            }
            target[targetBytes / sizeof(wchar_t)] = L'\0';
            ports.emplace_back(portName(target), device);
        }
        ::RegCloseKey(key);
    }
    // LPT2 before LPT10.
    std::sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) {
        return a.first.size() != b.first.size() ? a.first.size() < b.first.size()
                                                : a.first < b.first;
    });
    std::vector<std::string> lines;
    for (const auto& [name, device] : ports) {
        lines.push_back(toUtf8(name + L" (" + device + L")"));
    }
    if (lines.empty()) {
        lines.emplace_back(kNoParallelPort);
    }
    return lines;
}

}  // namespace quillon::platform
