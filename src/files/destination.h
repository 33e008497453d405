#pragma once

#include <string_view>

namespace quillon::files {

// Whether the dump destination names a file: the part after the last "\" or
// "/" must have its first "." followed by exactly three more characters (or
// be three characters without a dot). A text ending in a separator names a
// folder and is never accepted.
bool destinationAccepted(std::string_view destination);

}  // namespace quillon::files
