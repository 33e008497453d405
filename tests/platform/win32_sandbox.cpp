#include "win32_sandbox.h"

#include <windows.h>
// after windows.h, whose types it uses
#include <tlhelp32.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace quillon::platform::test {

namespace {

std::optional<std::wstring> environmentValue(const wchar_t* name) {
    const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring value(size, L'\0');
    value.resize(::GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

// cmd /k waits for the user after the tool; a test has none, so the windows
// it started are ended here rather than left to the end of the run.
void endInterpretersWeStarted() {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
         more = ::Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == ::GetCurrentProcessId() &&
            ::lstrcmpiW(entry.szExeFile, L"cmd.exe") == 0) {
            if (const HANDLE process =
                    ::OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
                ::TerminateProcess(process, 0);
                ::CloseHandle(process);
            }
        }
    }
    ::CloseHandle(snapshot);
}

}  // namespace

std::filesystem::path standInFolder() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path() / "stand-in";
}

Win32Sandbox::Win32Sandbox() {
    wchar_t temporary[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, temporary);
    folder_ = std::filesystem::path(temporary) /
              ("quillon-platform-" + std::to_string(::GetCurrentProcessId()) + "-" +
               std::to_string(::GetTickCount64()));
    std::filesystem::create_directories(folder_);
    previousDirectory_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    previousPath_ = environmentValue(L"PATH");
    searchFirst(standInFolder());
    ::SetEnvironmentVariableW(L"QUILLON_TEST_RECORD", (folder_ / "record").c_str());
}

Win32Sandbox::~Win32Sandbox() {
    endInterpretersWeStarted();
    ::SetEnvironmentVariableW(L"PATH", previousPath_ ? previousPath_->c_str() : nullptr);
    ::SetEnvironmentVariableW(L"QUILLON_TEST_RECORD", nullptr);
    std::error_code ignored;
    std::filesystem::current_path(previousDirectory_, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void Win32Sandbox::searchFirst(const std::filesystem::path& folder) {
    const std::optional<std::wstring> path = environmentValue(L"PATH");
    const std::wstring value = folder.wstring() + (path ? L";" + *path : L"");
    ::SetEnvironmentVariableW(L"PATH", value.c_str());
}

std::optional<std::vector<std::string>> Win32Sandbox::awaitToolArguments() const {
    const std::filesystem::path record = folder_ / "record";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!std::filesystem::exists(record)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::ostringstream content;
    content << std::ifstream(record, std::ios::binary).rdbuf();
    const std::string text = content.str();
    std::vector<std::string> arguments;
    std::size_t begin = 0;
    for (std::size_t end = text.find('\0'); end != std::string::npos;
         begin = end + 1, end = text.find('\0', begin)) {
        arguments.push_back(text.substr(begin, end - begin));
    }
    return arguments;
}

bool Win32Sandbox::exists(const std::string& name) const {
    return std::filesystem::exists(folder_ / name);
}

void Win32Sandbox::clearRun() const {
    endInterpretersWeStarted();
    std::error_code ignored;
    std::filesystem::remove(folder_ / "record", ignored);
    std::filesystem::remove(folder_ / "record.line", ignored);
}

}  // namespace quillon::platform::test
