#include "platform/field_names.h"

#include <array>
#include <string_view>

namespace quillon::platform {

namespace {

// Only the fields that carry text after their token can hold something the
// user typed or pasted; the others are fixed tokens.
struct ValueToken {
    std::string_view token;
    std::string_view name;
};

constexpr std::array<ValueToken, 3> kValueTokens = {{
    {"-w", "write address"},
    {"-n", "bank number"},
    {"-t", "cartridge code"},
}};

}  // namespace

std::string optionFieldName(const command::TransferCommand& command, std::size_t index) {
    const std::string& field = command.options.at(index);
    for (const ValueToken& value : kValueTokens) {
        if (field.starts_with(value.token)) {
            return std::string(value.name);
        }
    }
    return "option " + std::to_string(index + 1);
}

}  // namespace quillon::platform
