// The page rules: the hex fields' key filter, change and click rules, the action buttons'
// enabling and the alternate mode.
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

std::string nameOf(HexFieldId id) {
    return id == UploadWrite ? "upload write" : id == DumpWrite ? "dump write" : "dump bank";
}

// Exactly the hex digits of either case and Backspace pass, in every field: "G", blanks,
// signs, Enter and the Ctrl codes are dropped, and no code beyond one byte aliases a digit.
TEST(HexKeyFilter, PassesExactlyHexDigitsAndBackspace) {
    constexpr std::string_view kPassing = "0123456789ABCDEFabcdef\b";
    for (HexFieldId id : {UploadWrite, DumpWrite, DumpBank}) {
        const HexFieldSpec& field = hexFieldSpec(id);
        for (int code = 0; code <= 255; ++code) {
            const bool expected =
                code != 0 && kPassing.find(static_cast<char>(code)) != std::string_view::npos;
            EXPECT_EQ(keyPasses(field, code), expected) << nameOf(id) << ", code " << code;
        }
        for (int code : {-1, 256 + '0', 256 + 'A', 0x10000 + 'a'}) {
            EXPECT_FALSE(keyPasses(field, code)) << nameOf(id) << ", code " << code;
        }
    }
}

// A change of text: while the option is on the flag follows the count against the field's own
// length (four, or two for the bank), also past it; while off the flag keeps its value.
// A click: switching on shows the box, focuses it for the bank only, and completes the field and
// recomposes the preview only when its text is long enough; switching off always does both.
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
        {UploadWrite, true, 0, true, false, {true, false, false, false}},
        {UploadWrite, true, 3, true, false, {true, false, false, false}},
        {UploadWrite, true, 4, false, true, {true, false, true, true}},
        {UploadWrite, true, 5, false, true, {true, false, true, true}},
        {UploadWrite, false, 0, true, true, {false, false, true, true}},
        {UploadWrite, false, 4, false, false, {false, false, true, true}},
        {DumpWrite, true, 3, true, false, {true, false, false, false}},
        {DumpWrite, true, 4, false, true, {true, false, true, true}},
        {DumpWrite, false, 1, false, false, {false, false, true, true}},
        {DumpBank, true, 1, true, false, {true, true, false, false}},
        {DumpBank, true, 2, false, true, {true, true, true, true}},
        {DumpBank, false, 1, true, true, {false, false, true, true}},
        {DumpBank, false, 2, false, false, {false, false, true, true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(nameOf(row.id) + ", checked " + std::to_string(row.checked) + ", " +
                     std::to_string(row.characters) + " characters");
        const HexFieldSpec& field = hexFieldSpec(row.id);
        EXPECT_EQ(flagAfterChange(field, row.checked, row.characters, row.flagBefore),
                  row.flagAfterChange);
        EXPECT_EQ(clickOutcome(field, row.checked, row.characters), row.click);
    }
}

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
