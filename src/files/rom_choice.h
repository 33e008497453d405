#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::files {

// A ROM is accepted by the last four characters of its full path,
// ".bin" or ".a78", letter case ignored.
bool isRomPath(std::string_view fullPath);

// The length in whole thousands of bytes, in decimal; empty below 1000 bytes.
std::string sizeNumber(std::uintmax_t bytes);

// The file name without its last four characters.
std::string romName(std::string_view fileName);

// The Double Transfer choice preset from the size: which list item (0 "No
// Double", 1 "Double ") and whether the combo box stays enabled.
struct DoublePreset {
    int item;
    bool enabled;

    friend bool operator==(const DoublePreset&, const DoublePreset&) = default;
};

DoublePreset doublePreset(std::string_view sizeNumber);

// What an accepted selection shows.
struct RomDescription {
    std::string nameCaption;  // "ROM Selected: " + ROM name
    std::string sizeCaption;  // "ROM Size: " + size number + "KB"
    DoublePreset preset;
};

// `fileName` comes already in capitals, as the window's toolkit makes them
// for every script.
RomDescription describeRom(std::string_view fileName, std::uintmax_t bytes);

// What to tell the user instead of starting an upload whose ROM is no longer
// a file at `romPath` (deleted or renamed since it was chosen), or whose path
// the system gives no short form of: the tool must never be handed an empty
// or another file. Empty when the upload may start.
std::string uploadBlocked(std::string_view romPath, bool stillAFile, std::string_view shortForm);

}  // namespace quillon::files
