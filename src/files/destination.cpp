#include "files/destination.h"

#include <cstdint>

#include "files/code_points.h"

namespace quillon::files {

namespace {

// The file name is what follows the last folder separator; either kind may
// be typed.
std::string_view fileNamePart(std::string_view destination) {
    const std::size_t separator = destination.find_last_of("\\/");
    return separator == std::string_view::npos ? destination : destination.substr(separator + 1);
}

}  // namespace

// Only the file name is judged, so a dot in a folder's name neither spoils a
// good destination nor makes a folder pass for a file.
bool destinationAccepted(std::string_view destination) {
    const std::string_view name = fileNamePart(destination);
    const std::size_t dot = name.find('.');
    // Position of the first dot counted from 1 in characters, 0 without one.
    const auto dotPosition =
        dot == std::string_view::npos
            ? std::int64_t{0}
            : static_cast<std::int64_t>(codePointCount(name.substr(0, dot))) + 1;
    const auto length = static_cast<std::int64_t>(codePointCount(name));
    // The first dot followed by exactly three characters; a three-character
    // name without a dot passes as well.
    return dotPosition == length - 3;
}

}  // namespace quillon::files
