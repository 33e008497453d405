#include <utility>

#include "platform/copy_line.h"
#include "platform/nul_refusal_posix.h"
#include "platform/shell_word_posix.h"

namespace quillon::platform {

CopyLine copyLine(const command::TransferCommand& command) {
    if (std::string reason = nulRefusal(command); !reason.empty()) {
        return {{}, std::move(reason)};
    }
    std::string line(command::kToolName);
    for (const std::string& word : command::toolArguments(command)) {
        line += ' ';
        line += shellWord(word);
    }
    return {line, {}};
}

}  // namespace quillon::platform
