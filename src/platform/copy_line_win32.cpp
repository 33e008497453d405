#include "platform/cmd_line_win32.h"
#include "platform/copy_line.h"

namespace quillon::platform {

// The launcher's own quoting and refusals, so that a pasted line and a started
// one can never disagree about what reaches the tool.
CopyLine copyLine(const command::TransferCommand& command) {
    const CmdFields passed = cmdFields(command);
    if (!passed.refusal.empty()) {
        return {{}, passed.refusal};
    }
    std::string line(command::kToolName);
    for (const std::string& word : command::toolArguments(passed.fields)) {
        line += ' ';
        line += word;
    }
    return {line, {}};
}

}  // namespace quillon::platform
