#include <utility>

#include "platform/cmd_line_win32.h"
#include "platform/system_folder_win32.h"
#include "platform/tool_process.h"
#include "platform/wide_text_win32.h"

namespace quillon::platform {

namespace {

// "/c" ends the interpreter with the tool, and passes on the tool's exit
// status; "/d" leaves out the AutoRun commands a user may have set up for
// interactive prompts, whose output would be mistaken for the tool's.
constexpr std::string_view kSwitches = "/d /c ";

}  // namespace

ToolProcess toolProcess(const command::TransferCommand& command) {
    ToolProcess process;
    CmdFields passed = cmdFields(command);
    if (!passed.refusal.empty()) {
        process.refusal = std::move(passed.refusal);
        return process;
    }
    const std::optional<std::wstring> cmd = systemProgram(kCmdExe);
    if (!cmd) {
        process.missing = "the system folder, which holds cmd.exe, could not be found.";
        return process;
    }
    process.program = toUtf8(*cmd);
    // Quoted where it holds a blank, so that it stays one word.
    const std::string interpreter = process.program.find(' ') == std::string::npos
                                        ? process.program
                                        : '"' + process.program + '"';
    process.commandLine = command::joinLine(
        interpreter + " " + std::string(kSwitches) + std::string(command::kPreviewPrefix),
        passed.fields, passed.fields.file);
    return process;
}

}  // namespace quillon::platform
