#include "rules/hex_field.h"

#include <array>

namespace quillon::rules {

namespace {

// The write addresses are four hex digits, the bank number two. Switching
// the bank number on moves the focus into its box, while switching a write
// address on leaves it on the check box: that is how the options have
// always behaved, and users who know the program expect it.
constexpr std::array<HexFieldRule, 3> kHexFields = {{
    {HexFieldId::UploadWrite, 4, false},
    {HexFieldId::DumpWrite, 4, false},
    {HexFieldId::DumpBank, 2, true},
}};

// The table is indexed by the id.
static_assert(kHexFields[static_cast<std::size_t>(HexFieldId::UploadWrite)].id ==
              HexFieldId::UploadWrite);
static_assert(kHexFields[static_cast<std::size_t>(HexFieldId::DumpWrite)].id ==
              HexFieldId::DumpWrite);
static_assert(kHexFields[static_cast<std::size_t>(HexFieldId::DumpBank)].id ==
              HexFieldId::DumpBank);

bool inRange(int code, char first, char last) { return code >= first && code <= last; }

}  // namespace

const HexFieldRule& hexFieldRule(HexFieldId id) { return kHexFields[static_cast<std::size_t>(id)]; }

// The same digits pass in every field: the tool reads each value as
// hexadecimal, so a "G" could only ever give it a bad option.
bool keyPasses(int code) {
    return inRange(code, '0', '9') || inRange(code, 'A', 'F') || inRange(code, 'a', 'f') ||
           code == kBackspace;
}

bool flagAfterChange(const HexFieldRule& field, bool checked, std::size_t characters,
                     bool flagBefore) {
    if (!checked) {
        return flagBefore;
    }
    // Only the count matters: pasted or restored text never went through the
    // key filter, and the tool reports bad digits itself.
    return characters >= field.length;
}

ClickOutcome clickOutcome(const HexFieldRule& field, bool checked, std::size_t characters) {
    if (!checked) {
        // Switching off keeps the text in the hidden box for the next time.
        return {false, false, true, true};
    }
    const bool complete = characters >= field.length;
    // An incomplete field leaves the preview alone: the option shows there
    // once the user starts typing into it.
    return {true, field.focusWhenSwitchedOn, complete, complete};
}

}  // namespace quillon::rules
