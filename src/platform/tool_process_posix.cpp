#include <utility>

#include "platform/nul_refusal_posix.h"
#include "platform/program_search_posix.h"
#include "platform/tool_process.h"

namespace quillon::platform {

ToolProcess toolProcess(const command::TransferCommand& command) {
    ToolProcess process;
    process.refusal = nulRefusal(command);
    if (!process.refusal.empty()) {
        return process;
    }
    const std::string searchPath = programSearchPath();
    if (std::optional<std::string> program = findProgram(command::kToolName, searchPath)) {
        process.program = std::move(*program);
        process.arguments = command::toolArguments(command);
    } else {
        process.missing = std::string(command::kToolName) + " is in none of the folders on PATH (" +
                          searchPath + "). Put it in one of them, /usr/local/bin for instance.";
    }
    return process;
}

}  // namespace quillon::platform
