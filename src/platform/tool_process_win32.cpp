#include <utility>

#include "platform/cmd_line_win32.h"
#include "platform/system_folder_win32.h"
#include "platform/tool_process.h"
#include "platform/wide_text_win32.h"

namespace quillon::platform {

ToolProcess toolProcess(const command::TransferCommand& command) {
    ToolProcess process;
    const std::optional<std::wstring> cmd = systemProgram(kCmdExe);
    if (!cmd) {
        // Refused all the same when the line could not be passed: that is
        // what the user has to mend first.
        process.refusal = cmdFields(command).refusal;
        process.missing = "the system folder, which holds cmd.exe, could not be found.";
        return process;
    }
    process.program = toUtf8(*cmd);
    InterpreterLine run = interpreterLine(process.program, AfterTool::End, command);
    process.refusal = std::move(run.refusal);
    process.commandLine = std::move(run.line);
    return process;
}

}  // namespace quillon::platform
