#pragma once

#include <string>
#include <vector>

#include "command/transfer_command.h"

namespace quillon::platform {

// How the tool is started when it runs inside the window, as a child of ours
// with its output read back: the command the action button would start,
// with the same arguments and the same refusals, but no terminal.
struct ToolProcess {
    std::string program;                 // absolute path of what to start
    std::vector<std::string> arguments;  // each reaches it as one argument
    // On Windows the whole command line, `program` first, written as the
    // system's command interpreter reads it; `arguments` is then empty.
    std::string commandLine;
    // The command cannot be passed safely; told as the action button tells it.
    std::string refusal;
    // Nothing is there to start it with: why, for "Could not start: ".
    std::string missing;
};

// POSIX systems: the tool itself, looked up in the absolute folders of PATH,
// given the non-empty fields as its arguments. Windows: the system's own
// cmd.exe, hidden, running the very line a button press hands it (so that
// quoting, refusals and the tool's lookup are the same) and then ending,
// without the user's AutoRun commands.
ToolProcess toolProcess(const command::TransferCommand& command);

}  // namespace quillon::platform
