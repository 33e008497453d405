#include <windows.h>

#include <optional>
#include <vector>

#include "platform/cmd_line_win32.h"
#include "platform/launcher.h"
#include "platform/short_path_win32.h"
#include "platform/wide_text_win32.h"

namespace quillon::platform {

namespace {

constexpr std::string_view kNoInterpreter =
    "cartpipe could not be started: neither command.com nor the system's cmd.exe could be "
    "opened to run it in. Repair Windows so that cmd.exe stands in the system folder "
    "(sfc /scannow in an administrator's command prompt).";

// command.com where it still stands at its old place (the line is then the
// one the tool was always started with), then the system's own cmd.exe,
// taken from the system folder and never from PATH, where anything called
// cmd.exe could come first. Both are tried in turn: a command.com that
// cannot start (a 16-bit program on 64-bit Windows) must not hide cmd.exe.
std::vector<std::wstring> interpreterPaths() {
    std::vector<std::wstring> paths;
    const std::wstring commandCom = *toWide(kCommandCom);
    const DWORD attributes = ::GetFileAttributesW(commandCom.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        paths.push_back(commandCom);
    }
    wchar_t systemFolder[MAX_PATH + 1] = {};
    const UINT length = ::GetSystemDirectoryW(systemFolder, MAX_PATH + 1);
    if (length != 0 && length <= MAX_PATH) {
        paths.push_back(std::wstring(systemFolder, length) + L"\\cmd.exe");
    }
    return paths;
}

// An interpreter may be started and still be unable to run here, ending at
// once with an error: a 16-bit command.com handed to a DOS emulator that is
// not installed. It counts as not started, so that the next one is tried.
// One still running after this long has started; a click waits no longer.
constexpr DWORD kSettleMilliseconds = 300;

// In a console window of its own, shown normally and given the focus; we
// watch it only for that moment and keep no handle: the window is the user's.
bool startDetached(const std::wstring& interpreter, std::wstring line) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(interpreter.c_str(), line.data(), nullptr, nullptr, FALSE,
                          CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    ::CloseHandle(process.hThread);
    DWORD exitCode = 0;
    const bool failedAtOnce =
        ::WaitForSingleObject(process.hProcess, kSettleMilliseconds) == WAIT_OBJECT_0 &&
        ::GetExitCodeProcess(process.hProcess, &exitCode) && exitCode != 0;
    ::CloseHandle(process.hProcess);
    return !failedAtOnce;
}

class WindowsLauncher final : public ToolLauncher {
public:
    std::string shortPath(const std::string& path) const override { return shortPathName(path); }

    LaunchOutcome start(const command::TransferCommand& command) override {
        for (const std::wstring& interpreter : interpreterPaths()) {
            InterpreterLine run = interpreterLine(toUtf8(interpreter), command);
            if (!run.refusal.empty()) {
                return {LaunchOutcome::Status::Refused, std::move(run.refusal)};
            }
            const std::optional<std::wstring> line = toWide(run.line);
            if (line && startDetached(interpreter, *line)) {
                return {LaunchOutcome::Status::Started, {}};
            }
        }
        return {LaunchOutcome::Status::NotStarted, std::string(kNoInterpreter)};
    }
};

}  // namespace

std::string_view pathSeparator() { return "\\"; }

std::unique_ptr<ToolLauncher> makeSystemLauncher() { return std::make_unique<WindowsLauncher>(); }

}  // namespace quillon::platform
