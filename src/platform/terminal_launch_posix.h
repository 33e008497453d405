#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/launcher.h"
#include "platform/terminal_posix.h"

namespace quillon::platform {

class ClaimFolder;

// What the user is told when no terminal began the tool.
inline constexpr std::string_view kNoTerminal =
    "cartpipe could not be started: no terminal program could be opened to run it in. "
    "Install a terminal emulator (xterm, for instance: sudo apt install xterm), "
    "or name yours in the TERMINAL environment variable.";

// Starts the tool with `toolArguments` in `terminals`, one after the other
// until one begins it: each is watched until the tool's claim (a new one in
// `claims`) is made, or until it gives way. The folder is kept for as long as
// the launch is. The first terminal is started before this returns.
std::unique_ptr<PendingLaunch> launchInTerminals(std::vector<FoundTerminal> terminals,
                                                 std::vector<std::string> toolArguments,
                                                 std::shared_ptr<ClaimFolder> claims);

}  // namespace quillon::platform
