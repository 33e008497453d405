// The hex fields' key filter, change and click rules, enabling and the alternate mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "command/option_lists.h"
#include "rules/enabling.h"
#include "rules/hex_field.h"

namespace quillon::rules {
namespace {

using enum HexFieldId;

// Catches any code but hex digits and Backspace let through, or one beyond a byte aliased.
TEST(HexKeyFilter, PassesExactlyHexDigitsAndBackspace) {
    constexpr std::string_view kPassing = "0123456789ABCDEFabcdef\b";
    for (int code = 0; code <= 255; ++code) {
        const bool expected =
            code != 0 && kPassing.find(static_cast<char>(code)) != std::string_view::npos;
        EXPECT_EQ(keyPasses(code), expected) << "code " << code;
    }
    for (int code : {-1, 256 + '0', 256 + 'A', 0x10000 + 'a'}) {
        EXPECT_FALSE(keyPasses(code)) << "code " << code;
    }
}

// Catches a wrong length per field, a flag moved while off, a wrong focus, show or recompose.
TEST(HexFieldRules, ChangeAndClick) {
    struct Row {
        HexFieldId id;
        bool checked;
        std::size_t characters;
        bool flagBefore;
        bool flagAfterChange;
        ClickOutcome click;  // box shown, focus, flag, preview recomposed
    };
    const std::vector<Row> rows = {
        {UploadWrite, true, 3, true, false, {true, false, false, false}},
        {UploadWrite, true, 4, false, true, {true, false, true, true}},
        {UploadWrite, true, 5, false, true, {true, false, true, true}},
        {UploadWrite, false, 0, true, true, {false, false, true, true}},
        {UploadWrite, false, 4, false, false, {false, false, true, true}},
        {DumpWrite, true, 3, true, false, {true, false, false, false}},
        {DumpWrite, true, 4, false, true, {true, false, true, true}},
        {DumpBank, true, 1, true, false, {true, true, false, false}},
        {DumpBank, true, 2, false, true, {true, true, true, true}},
        {DumpBank, false, 1, true, true, {false, false, true, true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "field " << int(row.id) << ", checked " << row.checked
                                          << ", " << row.characters << " characters");
        const HexFieldRule& field = hexFieldRule(row.id);
        EXPECT_EQ(flagAfterChange(field, row.checked, row.characters, row.flagBefore),
                  row.flagAfterChange);
        EXPECT_EQ(clickOutcome(field, row.checked, row.characters), row.click);
    }
}

// Catches a button enabled without all three flags, or on a fresh page.
TEST(ActionEnabling, TruthTable) {
    for (int bits = 0; bits < 8; ++bits) {
        const PageFlags flags{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
        EXPECT_EQ(actionEnabled(flags), bits == 7) << "flags " << bits;
    }
    EXPECT_FALSE(actionEnabled(PageFlags{}));
}

// Catches the mode allowed for another code, a case or blank variant, a prefix or a longer code.
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
             {lower, " " + code, code + " ", code.substr(0, 3), code + "0"}) {
            EXPECT_FALSE(alternateModeAllowed(variant)) << '"' << variant << '"';
        }
    }
    EXPECT_FALSE(alternateModeAllowed(""));
}

}  // namespace
}  // namespace quillon::rules
