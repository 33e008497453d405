#include "command/transfer_command.h"

namespace quillon::command {

std::vector<std::string> toolArguments(const TransferCommand& command) {
    std::vector<std::string> arguments;
    for (const std::string& field : command.options) {
        if (!field.empty()) {
            arguments.push_back(field);
        }
    }
    // The interpreter would pass even an empty quoted path on; so do we.
    arguments.push_back(command.file);
    return arguments;
}

}  // namespace quillon::command
