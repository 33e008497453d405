#pragma once

#include <string>
#include <string_view>

#include "command/transfer_command.h"

namespace quillon::platform {

// The interpreter the tool was always started with, by its full path.
inline constexpr std::string_view kCommandCom = "C:\\Windows\\command.com";

// A run line for the command interpreter, or why there can be none.
struct InterpreterLine {
    std::string line;
    std::string refusal;  // empty when `line` may be started
};

// The command with every field written as cmd.exe must be given it for the
// tool to receive that field unchanged, quoted only where needed (the file
// argument always), or why one field cannot be written so: a character
// cmd.exe acts on whatever the quoting, or one the ANSI code page lacks (a
// tool with a plain main() gets its arguments in that code page, where a
// look-alike would stand in for it: another file, a quote, a dash).
struct CmdFields {
    command::TransferCommand fields;
    std::string refusal;  // empty when `fields` may be used
};
CmdFields cmdFields(const command::TransferCommand& command);

// What the interpreter does once the tool has ended.
enum class AfterTool {
    Stay,  // waits in its console window, for the user to read the tool's output
    End,   // ends with the tool's exit status, without the user's AutoRun commands
};

// The one line every start of the tool hands the interpreter at
// `interpreter` (command.com or cmd.exe, by its full path): every option
// field and the file argument reach the tool as one argument each, exactly
// as given, and nothing in them is acted on by cmd.exe or by a batch file
// standing in for the tool. A field that cannot be passed so is refused, and
// so is a line longer than the interpreter takes.
InterpreterLine interpreterLine(std::string_view interpreter, AfterTool after,
                                const command::TransferCommand& command);

}  // namespace quillon::platform
