#pragma once

#include <string>

#include "command/transfer_command.h"

namespace quillon::platform {

// Why `command` cannot reach the tool whole on a POSIX system, naming the
// field at fault, or empty when it can: an argument vector ends each word at
// its first NUL, and no shell word can hold one either.
std::string nulRefusal(const command::TransferCommand& command);

}  // namespace quillon::platform
