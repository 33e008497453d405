#pragma once

#include <cstddef>

namespace quillon::rules {

// The three optional hexadecimal options: the upload write address, the dump
// write address and the dump bank number.
enum class HexFieldId { UploadWrite, DumpWrite, DumpBank };

// What one hex option asks of its text.
struct HexFieldRule {
    HexFieldId id;
    // Digits the option takes: typing and pasting put no more into the box,
    // and fewer leave the option incomplete.
    std::size_t length;
    bool focusWhenSwitchedOn;
};

const HexFieldRule& hexFieldRule(HexFieldId id);

inline constexpr int kBackspace = 8;

// Whether a typed character code reaches a hex box: 0-9, A-F, a-f and
// Backspace. Everything else is discarded.
bool keyPasses(int code);

// The field's flag after its text changed to `characters` code points.
// While the option is off the flag keeps its value.
bool flagAfterChange(const HexFieldRule& field, bool checked, std::size_t characters,
                     bool flagBefore);

// What switching the option on or off does.
struct ClickOutcome {
    bool boxShownAndEnabled;
    bool requestFocus;
    bool flag;
    bool recomposePreview;

    friend bool operator==(const ClickOutcome&, const ClickOutcome&) = default;
};

ClickOutcome clickOutcome(const HexFieldRule& field, bool checked, std::size_t characters);

}  // namespace quillon::rules
