// The action buttons and the alternate mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "command/option_lists.h"
#include "rules/enabling.h"

namespace quillon::rules {
namespace {

// A button is enabled only when all three flags hold; a fresh page still waits for its
// selection.
TEST(ActionEnabling, TruthTable) {
    for (int bits = 0; bits < 8; ++bits) {
        const PageFlags flags{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
        EXPECT_EQ(actionEnabled(flags), bits == 7)
            << "hexx " << flags.hexx << ", select " << flags.select << ", shortHexx "
            << flags.shortHexx;
    }
    EXPECT_FALSE(actionEnabled(PageFlags{}));
}

// Seven of the offered codes allow the alternate mode, written exactly: no other listed code,
// no case or blank variant, no prefix met while typing, nothing longer.
TEST(AlternateMode, OnlyForSevenCodesWrittenExactly) {
    const std::vector<std::string> allowed = {"26E0", "26F8", "26FA", "26F6",
                                              "26F4", "26F0", "26FE"};
    for (std::string_view code : command::kCartridgeCodes) {
        EXPECT_EQ(alternateModeAllowed(code), std::ranges::count(allowed, code) == 1) << code;
    }
    for (const std::string& code : allowed) {
        std::string lower = code;
        std::ranges::transform(lower, lower.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        for (const std::string& variant :
             {lower, " " + code, code + " ", code.substr(0, 3), code.substr(0, 2), code + "0"}) {
            EXPECT_FALSE(alternateModeAllowed(variant)) << '"' << variant << '"';
        }
    }
    EXPECT_FALSE(alternateModeAllowed(""));
}

}  // namespace
}  // namespace quillon::rules
