// The key filter, change rule and click rule of the three hex fields.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "rules/hex_field.h"

namespace quillon::rules {
namespace {

constexpr std::array<HexFieldId, 3> kAllFields = {HexFieldId::UploadWrite,
                                                  HexFieldId::DumpWrite, HexFieldId::DumpBank};

const char* nameOf(HexFieldId id) {
    switch (id) {
        case HexFieldId::UploadWrite: return "upload write address";
        case HexFieldId::DumpWrite: return "dump write address";
        case HexFieldId::DumpBank: return "dump bank number";
    }
    return "?";
}

TEST(HexFieldSpec, ConstantsOfTheThreeFields) {
    struct Row {
        HexFieldId id;
        Page page;
        std::size_t maxLength;
        std::size_t requiredLength;
        bool focus;
    };
    const std::vector<Row> rows = {
        {HexFieldId::UploadWrite, Page::Upload, 4, 4, false},
        {HexFieldId::DumpWrite, Page::Dump, 4, 4, false},
        {HexFieldId::DumpBank, Page::Dump, 2, 2, true},
    };
    for (const Row& row : rows) {
        const HexFieldSpec& field = hexFieldSpec(row.id);
        EXPECT_EQ(field.id, row.id) << nameOf(row.id);
        EXPECT_EQ(field.page, row.page) << nameOf(row.id);
        EXPECT_EQ(field.maxLength, row.maxLength) << nameOf(row.id);
        EXPECT_EQ(field.requiredLength, row.requiredLength) << nameOf(row.id);
        EXPECT_EQ(field.focusWhenSwitchedOn, row.focus) << nameOf(row.id);
    }
}

// Hex digits of either case and Backspace; "G" and "g" are no hex digits, in
// the upload field as anywhere else.
TEST(HexKeyFilter, PassesExactlyHexDigitsAndBackspaceInEveryField) {
    constexpr std::string_view kPassing = "0123456789ABCDEFabcdef\b";
    for (HexFieldId id : kAllFields) {
        const HexFieldSpec& field = hexFieldSpec(id);
        for (int code = 0; code <= 255; ++code) {
            const bool expected =
                code != 0 && kPassing.find(static_cast<char>(code)) != std::string_view::npos;
            EXPECT_EQ(keyPasses(field, code), expected) << nameOf(id) << ", code " << code;
        }
        // Codes beyond one byte never alias a digit.
        for (int code : {-1, 256 + '0', 256 + 'A', 0x10000 + 'a'}) {
            EXPECT_FALSE(keyPasses(field, code)) << nameOf(id) << ", code " << code;
        }
    }
}

TEST(HexKeyFilter, NamedKeys) {
    struct Row {
        int code;
        bool passes;
        const char* what;
    };
    const std::vector<Row> rows = {
        {'1', true, "digit"},         {'A', true, "capital hex letter"},
        {'b', true, "small hex letter"}, {kBackspace, true, "Backspace"},
        {'G', false, "G is not hex"},  {'g', false, "g is not hex"},
        {' ', false, "blank"},         {'-', false, "minus"},
        {'+', false, "plus"},          {'.', false, "decimal point"},
        {'$', false, "dollar"},        {'&', false, "ampersand"},
        {'H', false, "H"},             {13, false, "Enter"},
        {3, false, "Ctrl+C"},          {22, false, "Ctrl+V"},
        {24, false, "Ctrl+X"},         {26, false, "Ctrl+Z"},
    };
    for (HexFieldId id : kAllFields) {
        for (const Row& row : rows) {
            EXPECT_EQ(keyPasses(hexFieldSpec(id), row.code), row.passes)
                << nameOf(id) << ": " << row.what;
        }
    }
}

TEST(HexChangeRule, FlagFollowsTheCountOnlyWhileChecked) {
    struct Row {
        HexFieldId id;
        bool checked;
        std::size_t characters;
        bool flagBefore;
        bool flagAfter;
    };
    const std::vector<Row> rows = {
        {HexFieldId::UploadWrite, true, 0, true, false},
        {HexFieldId::UploadWrite, true, 3, true, false},
        {HexFieldId::UploadWrite, true, 4, false, true},
        {HexFieldId::UploadWrite, true, 5, false, true},  // pasted past the limit
        {HexFieldId::UploadWrite, false, 0, true, true},
        {HexFieldId::UploadWrite, false, 2, false, false},  // off: the flag is kept
        {HexFieldId::DumpWrite, true, 3, true, false},
        {HexFieldId::DumpWrite, true, 4, false, true},
        {HexFieldId::DumpWrite, false, 1, true, true},
        {HexFieldId::DumpBank, true, 0, true, false},
        {HexFieldId::DumpBank, true, 1, true, false},
        {HexFieldId::DumpBank, true, 2, false, true},
        {HexFieldId::DumpBank, false, 1, true, true},
        {HexFieldId::DumpBank, false, 2, false, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(flagAfterChange(hexFieldSpec(row.id), row.checked, row.characters,
                                  row.flagBefore),
                  row.flagAfter)
            << nameOf(row.id) << ", checked " << row.checked << ", " << row.characters
            << " characters, flag before " << row.flagBefore;
    }
}

TEST(HexClickRule, OutcomeOfSwitchingOnAndOff) {
    struct Row {
        HexFieldId id;
        bool checked;
        std::size_t characters;
        ClickOutcome outcome;  // box shown, focus, flag, preview recomposed
    };
    const std::vector<Row> rows = {
        {HexFieldId::UploadWrite, true, 0, {true, false, false, false}},
        {HexFieldId::UploadWrite, true, 3, {true, false, false, false}},
        {HexFieldId::UploadWrite, true, 4, {true, false, true, true}},
        {HexFieldId::UploadWrite, false, 0, {false, false, true, true}},
        {HexFieldId::UploadWrite, false, 4, {false, false, true, true}},
        {HexFieldId::DumpWrite, true, 2, {true, false, false, false}},
        {HexFieldId::DumpWrite, true, 4, {true, false, true, true}},
        {HexFieldId::DumpWrite, false, 3, {false, false, true, true}},
        {HexFieldId::DumpBank, true, 0, {true, true, false, false}},
        {HexFieldId::DumpBank, true, 1, {true, true, false, false}},
        {HexFieldId::DumpBank, true, 2, {true, true, true, true}},
        {HexFieldId::DumpBank, false, 1, {false, false, true, true}},
        {HexFieldId::DumpBank, false, 2, {false, false, true, true}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(clickOutcome(hexFieldSpec(row.id), row.checked, row.characters), row.outcome)
            << nameOf(row.id) << ", checked " << row.checked << ", " << row.characters
            << " characters";
    }
}

}  // namespace
}  // namespace quillon::rules
