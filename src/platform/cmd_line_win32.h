#pragma once

#include <string>
#include <string_view>

#include "command/transfer_command.h"

namespace quillon::platform {

// The interpreter the run prefix names.
inline constexpr std::string_view kCommandCom = "C:\\Windows\\command.com";

// A run line for the command interpreter, or why there can be none.
struct InterpreterLine {
    std::string line;
    std::string refusal;  // empty when `line` may be started
};

// The command with every field written as cmd.exe must be given it for the
// tool to receive that field unchanged, quoted only where needed (the file
// argument always), or why one field cannot be written so.
struct CmdFields {
    command::TransferCommand fields;
    std::string refusal;  // empty when `fields` may be used
};
CmdFields cmdFields(const command::TransferCommand& command);

// The run line with `interpreter` in the place of command.com: every option
// field and the file argument reach the tool as one argument each, exactly as
// given, and nothing in them is acted on by cmd.exe or by a batch file
// standing in for the tool. A field that cannot be passed so is refused.
InterpreterLine interpreterLine(std::string_view interpreter,
                                const command::TransferCommand& command);

}  // namespace quillon::platform
