#include "rules/enabling.h"

#include <algorithm>

namespace quillon::rules {

bool actionEnabled(const PageFlags& flags) { return flags.hexx && flags.select && flags.shortHexx; }

// Exact, whole-text match: a code typed with a blank or in lower case is not
// one the device knows, so it cannot offer the alternate mode either.
bool alternateModeAllowed(std::string_view code) {
    return std::ranges::find(kAlternateCodes, code) != kAlternateCodes.end();
}

}  // namespace quillon::rules
