#include "rules/hex_field.h"

#include <array>

namespace quillon::rules {

namespace {

// The write addresses are four hex digits, the bank number two; only the
// bank number takes the focus, because it is the one option that is useless
// without its digits.
constexpr std::array<HexFieldSpec, 3> kHexFields = {{
    {HexFieldId::UploadWrite, Page::Upload, 4, 4, false},
    {HexFieldId::DumpWrite, Page::Dump, 4, 4, false},
    {HexFieldId::DumpBank, Page::Dump, 2, 2, true},
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

const HexFieldSpec& hexFieldSpec(HexFieldId id) { return kHexFields[static_cast<std::size_t>(id)]; }

// The same digits pass in every field: the tool reads each value as
// hexadecimal, so a "G" could only ever give it a bad option.
bool keyPasses(const HexFieldSpec& /*field*/, int code) {
    return inRange(code, '0', '9') || inRange(code, 'A', 'F') || inRange(code, 'a', 'f') ||
           code == kBackspace;
}

bool flagAfterChange(const HexFieldSpec& field, bool checked, std::size_t characters,
                     bool flagBefore) {
    if (!checked) {
        return flagBefore;
    }
    // Only the count matters: pasted or restored text never went through the
    // key filter, and the tool reports bad digits itself.
    return characters >= field.requiredLength;
}

ClickOutcome clickOutcome(const HexFieldSpec& field, bool checked, std::size_t characters) {
    if (!checked) {
        // Switching off keeps the text in the hidden box for the next time.
        return {false, false, true, true};
    }
    const bool complete = characters >= field.requiredLength;
    // An incomplete field leaves the preview alone: the option shows there
    // once the user starts typing into it.
    return {true, field.focusWhenSwitchedOn, complete, complete};
}

}  // namespace quillon::rules
