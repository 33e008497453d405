#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/claim_folder_posix.h"
#include "platform/launcher.h"
#include "platform/nul_refusal_posix.h"
#include "platform/program_search_posix.h"
#include "platform/terminal_launch_posix.h"
#include "platform/terminal_posix.h"

namespace quillon::platform {

namespace {

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

    std::unique_ptr<PendingLaunch> start(const command::TransferCommand& command) override {
        if (std::string reason = nulRefusal(command); !reason.empty()) {
            return decided(LaunchOutcome::Status::Refused, std::move(reason));
        }
        const char* userChoice = std::getenv("TERMINAL");
        std::vector<FoundTerminal> terminals =
            findTerminals(programSearchPath(),
                          userChoice ? std::optional<std::string_view>(userChoice) : std::nullopt);
        if (terminals.empty()) {
            return decided(LaunchOutcome::Status::NotStarted, std::string(kNoTerminal));
        }
        // Made at the first start; it goes with the launcher and its launches.
        if (!claims_) {
            std::string why;
            claims_ = ClaimFolder::make(why);
            if (!claims_) {
                return decided(LaunchOutcome::Status::NotStarted, std::move(why));
            }
        }
        return launchInTerminals(std::move(terminals), command::toolArguments(command), claims_);
    }

private:
    static std::unique_ptr<PendingLaunch> decided(LaunchOutcome::Status status,
                                                  std::string reason) {
        return std::make_unique<DecidedLaunch>(LaunchOutcome{status, std::move(reason)});
    }

    std::shared_ptr<ClaimFolder> claims_;
};

}  // namespace

std::string_view pathSeparator() { return "/"; }

std::unique_ptr<ToolLauncher> makeSystemLauncher() { return std::make_unique<PosixLauncher>(); }

}  // namespace quillon::platform
