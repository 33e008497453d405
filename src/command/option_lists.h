#pragma once

#include <array>
#include <string_view>

namespace quillon::command {

// List items of the combo boxes, in list order, each list with the tool's
// tokens for its items by position; a first item is the tool's default and
// gives no token. The double-transfer list's second item carries a trailing
// blank; saved settings depend on it.
inline constexpr std::array<std::string_view, 3> kCartridgeTypes = {"Bankswitched", "Linear",
                                                                    "Highscore"};
inline constexpr std::array<std::string_view, 3> kCartridgeTypeTokens = {"", "-c1", "-c2"};
inline constexpr std::array<std::string_view, 3> kPorts = {"Port 1", "Port 2", "Port 3"};
inline constexpr std::array<std::string_view, 3> kPortTokens = {"", "-l2", "-l3"};
inline constexpr std::array<std::string_view, 3> kDoubleModes = {"No Double", "Double ", "Reverse"};
inline constexpr std::array<std::string_view, 3> kDoubleModeTokens = {"", "-d", "-r"};
inline constexpr std::array<std::string_view, 24> kCartridgeCodes = {
    "TEST", "7816", "7832", "7848", "78AB", "78AC", "78S4", "78SG", "78S9", "262K", "264K", "26F8",
    "26E0", "26P2", "26FA", "26F6", "26E7", "26F4", "26F0", "26FE", "26S8", "26S6", "26S4", "263F"};

}  // namespace quillon::command
