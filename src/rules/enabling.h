#pragma once

#include <array>
#include <string_view>

namespace quillon::rules {

// Three completeness flags per page; true means complete or not required.
struct PageFlags {
    bool hexx = true;       // write address off, or on and complete
    bool select = false;    // a ROM accepted / an acceptable destination
    bool shortHexx = true;  // bank number off, or on and complete
};

// The action button of a page is enabled exactly when all three flags hold.
bool actionEnabled(const PageFlags& flags);

// Cartridge codes for which the dump page offers the alternate mode.
inline constexpr std::array<std::string_view, 7> kAlternateCodes = {"26E0", "26F8", "26FA", "26F6",
                                                                    "26F4", "26F0", "26FE"};

// Whole-text, case-sensitive comparison with the codes above.
bool alternateModeAllowed(std::string_view code);

}  // namespace quillon::rules
