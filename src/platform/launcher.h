#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "command/transfer_command.h"

namespace quillon::platform {

// The separator between a folder and a file name on this system.
std::string_view pathSeparator();

// What became of a request to start the tool.
struct LaunchOutcome {
    enum class Status {
        Started,     // the tool's window was started; nothing more is known
        NotStarted,  // nothing could start it; `reason` says what to install
        Refused,     // the command cannot be passed safely; `reason` says why
    };
    Status status = Status::NotStarted;
    std::string reason;
};

// Starts the transfer tool in a window of its own without waiting, and gives
// the short form of a path. The window reaches the system only through this.
class ToolLauncher {
public:
    virtual ~ToolLauncher() = default;

    // The system's short (8.3) form of an existing path; on systems without
    // short names the path itself when it exists. Empty when there is none.
    virtual std::string shortPath(const std::string& path) const = 0;

    // Starts `command` (its file argument already in the form to pass).
    virtual LaunchOutcome start(const command::TransferCommand& command) = 0;
};

// The launcher of the system this program was built for.
std::unique_ptr<ToolLauncher> makeSystemLauncher();

}  // namespace quillon::platform
