#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "command/transfer_command.h"

namespace quillon::platform {

// What the user calls the field at `index` of a command's options, for a
// message that says where a character has to go; the user knows the write
// address, not "option 6".
std::string optionFieldName(const command::TransferCommand& command, std::size_t index);

// What the user calls the file argument.
inline constexpr std::string_view kFileArgumentName = "file path";

}  // namespace quillon::platform
