// The key filter, change rule and click rule of the three hex fields.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace
}  // namespace quillon::rules
