#pragma once

#include <cstddef>

namespace quillon::rules {

enum class HexFieldId { UploadWrite, DumpWrite, DumpBank };
enum class Page { Upload, Dump };

// The constants of one optional hexadecimal option of a page.
struct HexFieldSpec {
    HexFieldId id;
    Page page;                   // whose button and preview follow the field
    std::size_t maxLength;       // what the text box takes
    std::size_t requiredLength;  // what makes the field complete
    bool focusWhenSwitchedOn;    // the bank number takes the focus
};

const HexFieldSpec& hexFieldSpec(HexFieldId id);

inline constexpr int kBackspace = 8;

// Whether a typed character code reaches the text box: 0-9, A-F, a-f and
// Backspace, in every field. Everything else is discarded.
bool keyPasses(const HexFieldSpec& field, int code);

// The field's flag after its text changed to `characters` code points.
// While the option is off the flag keeps its value.
bool flagAfterChange(const HexFieldSpec& field, bool checked, std::size_t characters,
                     bool flagBefore);

// What switching the option on or off does.
struct ClickOutcome {
    bool boxShownAndEnabled;
    bool requestFocus;
    bool flag;
    bool recomposePreview;

    friend bool operator==(const ClickOutcome&, const ClickOutcome&) = default;
};

ClickOutcome clickOutcome(const HexFieldSpec& field, bool checked, std::size_t characters);

}  // namespace quillon::rules
