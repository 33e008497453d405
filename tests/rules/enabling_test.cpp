// The action buttons and the alternate mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "command/option_lists.h"
#include "rules/enabling.h"

namespace quillon::rules {
namespace {

TEST(ActionEnabling, TruthTable) {
    struct Row {
        PageFlags flags;
        bool enabled;
    };
    const std::vector<Row> rows = {
        {{false, false, false}, false}, {{false, false, true}, false},
        {{false, true, false}, false},  {{false, true, true}, false},
        {{true, false, false}, false},  {{true, false, true}, false},
        {{true, true, false}, false},   {{true, true, true}, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(actionEnabled(row.flags), row.enabled)
            << "hexx " << row.flags.hexx << ", select " << row.flags.select << ", shortHexx "
            << row.flags.shortHexx;
    }
}

TEST(ActionEnabling, FreshPageWaitsForItsSelection) {
    EXPECT_FALSE(actionEnabled(PageFlags{}));
}

TEST(AlternateMode, OfferedForSevenCodesWrittenExactly) {
    const std::vector<std::string> allowed = {"26E0", "26F8", "26FA", "26F6",
                                              "26F4", "26F0", "26FE"};
    for (const std::string& code : allowed) {
        EXPECT_TRUE(alternateModeAllowed(code)) << code;
        std::string lower = code;
        std::ranges::transform(lower, lower.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const std::vector<std::string> variants = {lower, " " + code, code + " ",
                                                   code.substr(0, 3), code + "0"};
        for (const std::string& variant : variants) {
            EXPECT_FALSE(alternateModeAllowed(variant)) << '"' << variant << '"';
        }
    }
    EXPECT_FALSE(alternateModeAllowed(""));
}

TEST(AlternateMode, RefusedForTheOtherSeventeenListedCodes) {
    int others = 0;
    for (std::string_view code : command::kCartridgeCodes) {
        if (std::ranges::find(kAlternateCodes, code) != kAlternateCodes.end()) {
            continue;
        }
        ++others;
        EXPECT_FALSE(alternateModeAllowed(code)) << code;
    }
    EXPECT_EQ(others, 17);
}

TEST(AlternateMode, TypingACodeCharacterByCharacter) {
    const std::vector<std::pair<std::string, bool>> steps = {
        {"2", false}, {"26", false}, {"26F", false}, {"26F8", true}};
    for (const auto& [text, allowed] : steps) {
        EXPECT_EQ(alternateModeAllowed(text), allowed) << text;
    }
}

}  // namespace
}  // namespace quillon::rules
