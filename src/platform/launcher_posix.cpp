#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/detached_process_posix.h"
#include "platform/launcher.h"
#include "platform/nul_refusal_posix.h"
#include "platform/terminal_posix.h"

namespace quillon::platform {

namespace {

// Where to look for a terminal when PATH is not set at all.
std::string searchPath() {
    if (const char* path = std::getenv("PATH")) {
        return path;
    }
    const std::size_t size = ::confstr(_CS_PATH, nullptr, 0);
    std::string fallback(size, '\0');
    if (size == 0 || ::confstr(_CS_PATH, fallback.data(), size) == 0) {
        return "/bin:/usr/bin";
    }
    fallback.resize(size - 1);
    return fallback;
}

constexpr std::string_view kNoTerminal =
    "cartpipe could not be started: no terminal program could be opened to run it in. "
    "Install a terminal emulator (xterm, for instance: sudo apt install xterm), "
    "or name yours in the TERMINAL environment variable.";

// Linux and other POSIX desktops have no command.com and no 8.3 names: the
// tool runs in a terminal emulator, handed its arguments as a vector.
class PosixLauncher final : public ToolLauncher {
public:
    std::string shortPath(const std::string& path) const override {
        // Only existing paths have a short form on Windows; a missing file
        // must behave the same way here.
        struct stat status {};
        if (path.empty() || path.find('\0') != std::string::npos ||
            ::stat(path.c_str(), &status) != 0) {
            return {};
        }
        return path;
    }

    LaunchOutcome start(const command::TransferCommand& command) override {
        if (std::string reason = nulRefusal(command); !reason.empty()) {
            return {LaunchOutcome::Status::Refused, std::move(reason)};
        }
        const char* userChoice = std::getenv("TERMINAL");
        const std::vector<std::string> arguments = command::toolArguments(command);
        // A terminal that cannot be started (a broken install, a missing
        // interpreter of a script) must not hide one that can.
        for (const FoundTerminal& terminal :
             findTerminals(searchPath(), userChoice ? std::optional<std::string_view>(userChoice)
                                                    : std::nullopt)) {
            if (startDetached(terminalCommandLine(terminal, arguments))) {
                return {LaunchOutcome::Status::Started, {}};
            }
        }
        return {LaunchOutcome::Status::NotStarted, std::string(kNoTerminal)};
    }
};

}  // namespace

std::string_view pathSeparator() { return "/"; }

std::unique_ptr<ToolLauncher> makeSystemLauncher() { return std::make_unique<PosixLauncher>(); }

}  // namespace quillon::platform
