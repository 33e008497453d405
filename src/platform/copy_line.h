#pragma once

#include <string>

#include "command/transfer_command.h"

namespace quillon::platform {

// A command line for the user to paste, or why there can be none.
struct CopyLine {
    std::string line;
    std::string refusal;  // empty when `line` may be copied
};

// The line that, pasted into this system's shell (sh on POSIX systems, cmd.exe
// on Windows), runs the tool with exactly the arguments the launcher gives it
// for `command`: its non-empty option fields, then the file argument. Fields
// are quoted for that shell only where it would act on them, and a field the
// launcher would refuse is refused here with the launcher's reason.
CopyLine copyLine(const command::TransferCommand& command);

}  // namespace quillon::platform
