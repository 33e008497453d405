#include <windows.h>

#include <chrono>
#include <optional>
#include <vector>

#include "platform/cmd_line_win32.h"
#include "platform/interpreter_environment_win32.h"
#include "platform/launcher.h"
#include "platform/short_path_win32.h"
#include "platform/system_folder_win32.h"
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
    if (std::optional<std::wstring> cmd = systemProgram(kCmdExe)) {
        paths.push_back(*cmd);
    }
    return paths;
}

// An interpreter may be started and still be unable to run here, ending at
// once with an error: a 16-bit command.com handed to a DOS emulator that is
// not installed. It counts as not started, so that the next one is tried.
// One still running after this long has started.
constexpr auto kSettle = std::chrono::milliseconds(300);

// In a console window of its own, shown normally and given the focus; the
// process's handle, or nothing when it could not be created.
HANDLE startInterpreter(const std::wstring& interpreter, std::wstring line) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::wstring environment = interpreterEnvironment();
    if (!::CreateProcessW(interpreter.c_str(), line.data(), nullptr, nullptr, FALSE,
                          CREATE_NEW_CONSOLE | interpreterEnvironmentFlag(), environment.data(),
                          nullptr, &startup, &process)) {
        return nullptr;
    }
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

// Each interpreter in turn, watched for its first moment without waiting: a
// poll looks whether it has ended yet. Once decided no handle is kept, and
// dropping the launch earlier closes the handle only: the window is the
// user's.
class InterpreterLaunch final : public PendingLaunch {
public:
    explicit InterpreterLaunch(command::TransferCommand command)
        : command_(std::move(command)), interpreters_(interpreterPaths()) {
        decide();
    }
    ~InterpreterLaunch() override { forget(); }
    InterpreterLaunch(const InterpreterLaunch&) = delete;
    InterpreterLaunch& operator=(const InterpreterLaunch&) = delete;

    std::optional<LaunchOutcome> poll() override {
        if (!outcome_) {
            decide();
        }
        return outcome_;
    }

private:
    void decide() {
        while (!outcome_) {
            if (!process_) {
                startNext();
                continue;
            }
            if (::WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
                DWORD exitCode = 0;
                const bool failed = ::GetExitCodeProcess(process_, &exitCode) && exitCode != 0;
                forget();
                if (!failed) {
                    outcome_ = LaunchOutcome{LaunchOutcome::Status::Started, {}};
                }
                continue;
            }
            if (std::chrono::steady_clock::now() - startedAt_ >= kSettle) {
                forget();
                outcome_ = LaunchOutcome{LaunchOutcome::Status::Started, {}};
            }
            return;
        }
    }

    // The next interpreter, or the outcome when there is none or its line
    // cannot carry the command.
    void startNext() {
        if (next_ == interpreters_.size()) {
            outcome_ =
                LaunchOutcome{LaunchOutcome::Status::NotStarted, std::string(kNoInterpreter)};
            return;
        }
        const std::wstring& interpreter = interpreters_[next_++];
        InterpreterLine run = interpreterLine(toUtf8(interpreter), AfterTool::Stay, command_);
        if (!run.refusal.empty()) {
            outcome_ = LaunchOutcome{LaunchOutcome::Status::Refused, std::move(run.refusal)};
            return;
        }
        if (const std::optional<std::wstring> line = toWide(run.line)) {
            process_ = startInterpreter(interpreter, *line);
            startedAt_ = std::chrono::steady_clock::now();
        }
    }

    void forget() {
        if (process_) {
            ::CloseHandle(process_);
            process_ = nullptr;
        }
    }

    const command::TransferCommand command_;
    const std::vector<std::wstring> interpreters_;
    std::size_t next_ = 0;
    HANDLE process_ = nullptr;  // the interpreter being watched, if any
    std::chrono::steady_clock::time_point startedAt_;
    std::optional<LaunchOutcome> outcome_;
};

class WindowsLauncher final : public ToolLauncher {
public:
    std::string shortPath(const std::string& path) const override { return shortPathName(path); }

    std::unique_ptr<PendingLaunch> start(const command::TransferCommand& command) override {
        return std::make_unique<InterpreterLaunch>(command);
    }
};

}  // namespace

std::string_view pathSeparator() { return "\\"; }

std::unique_ptr<ToolLauncher> makeSystemLauncher() { return std::make_unique<WindowsLauncher>(); }

}  // namespace quillon::platform
