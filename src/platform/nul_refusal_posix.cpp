#include "platform/nul_refusal_posix.h"

#include "platform/field_names.h"

namespace quillon::platform {

// A text holding a NUL would reach the tool cut short; say so instead of
// passing half of it.
std::string nulRefusal(const command::TransferCommand& command) {
    const auto refuse = [](const std::string& field) {
        return "The " + field +
               " holds a NUL character, which cannot be passed to the tool. "
               "Remove it and try again.";
    };
    for (std::size_t index = 0; index < command.options.size(); ++index) {
        if (command.options[index].find('\0') != std::string::npos) {
            return refuse(optionFieldName(command, index));
        }
    }
    if (command.file.find('\0') != std::string::npos) {
        return refuse(std::string(kFileArgumentName));
    }
    return {};
}

}  // namespace quillon::platform
