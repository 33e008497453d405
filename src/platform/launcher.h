#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "command/transfer_command.h"

namespace quillon::platform {

// The separator between a folder and a file name on this system.
std::string_view pathSeparator();

// What became of a request to start the tool.
struct LaunchOutcome {
    enum class Status {
        Started,     // its window opened (on POSIX: the tool began in it); no more is known
        NotStarted,  // nothing could start it; `reason` says what to install
        Refused,     // the command cannot be passed safely; `reason` says why
    };
    Status status = Status::NotStarted;
    std::string reason;
};

// One request to start the tool, on its way. Starting takes a while (a
// terminal may open its window, fail, and give way to the next), and the
// window must not wait for it: it asks now and then instead. Dropping it
// before the outcome leaves whatever was started running, and nothing of it
// behind in this program.
class PendingLaunch {
public:
    virtual ~PendingLaunch() = default;

    // The outcome once it is known; nothing while the start is still being
    // watched. Never waits.
    virtual std::optional<LaunchOutcome> poll() = 0;
};

// A request answered as it was made: refused, or nothing to start it with.
class DecidedLaunch final : public PendingLaunch {
public:
    explicit DecidedLaunch(LaunchOutcome outcome) : outcome_(std::move(outcome)) {}
    std::optional<LaunchOutcome> poll() override { return outcome_; }

private:
    LaunchOutcome outcome_;
};

// Starts the transfer tool in a window of its own without waiting, and gives
// the short form of a path. The window reaches the system only through this.
class ToolLauncher {
public:
    virtual ~ToolLauncher() = default;

    // The system's short (8.3) form of an existing path; on systems without
    // short names the path itself when it exists. Empty when there is none.
    virtual std::string shortPath(const std::string& path) const = 0;

    // Starts `command` (its file argument already in the form to pass) and
    // returns at once; the launch tells how it went when polled.
    virtual std::unique_ptr<PendingLaunch> start(const command::TransferCommand& command) = 0;
};

// The launcher of the system this program was built for.
std::unique_ptr<ToolLauncher> makeSystemLauncher();

}  // namespace quillon::platform
