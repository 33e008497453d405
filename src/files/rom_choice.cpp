#include "files/rom_choice.h"

#include <algorithm>

#include "files/code_points.h"

namespace quillon::files {

namespace {

constexpr std::size_t kExtensionLength = 4;  // ".bin", ".a78"

bool sameIgnoringAsciiCase(std::string_view text, std::string_view lowerCase) {
    return std::ranges::equal(text, lowerCase, [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

}  // namespace

// Both extensions are ASCII, and no letter of another script has an ASCII
// letter as its case partner that a file name should match with (a dotted
// capital I is no "i"), so comparing the last four bytes, ASCII letters
// case-blind, is comparing the last four characters.
bool isRomPath(std::string_view fullPath) {
    if (fullPath.size() < kExtensionLength) {
        return false;
    }
    const std::string_view extension = fullPath.substr(fullPath.size() - kExtensionLength);
    return sameIgnoringAsciiCase(extension, ".bin") || sameIgnoringAsciiCase(extension, ".a78");
}

std::string sizeNumber(std::uintmax_t bytes) {
    // Whole kilobytes of 1000 bytes, as the cartridge sizes are quoted; below
    // one kilobyte there is no number to show, at any length.
    if (bytes < 1000) {
        return {};
    }
    return std::to_string(bytes / 1000);
}

std::string romName(std::string_view fileName) {
    return std::string(dropLastCodePoints(fileName, kExtensionLength));
}

// 2K and 8K images are usually sent doubled; a 4K image cannot be, so the
// choice is locked. The number is compared as text, so 20K or 80K are not.
DoublePreset doublePreset(std::string_view sizeNumber) {
    if (sizeNumber == "2" || sizeNumber == "8") {
        return {1, true};
    }
    if (sizeNumber == "4") {
        return {0, false};
    }
    return {0, true};
}

RomDescription describeRom(std::string_view fileName, std::uintmax_t bytes) {
    const std::string size = sizeNumber(bytes);
    return {"ROM Selected: " + romName(fileName), "ROM Size: " + size + "KB", doublePreset(size)};
}

std::string uploadBlocked(std::string_view romPath, bool stillAFile, std::string_view shortForm) {
    const std::string named = "The ROM file \"" + std::string(romPath) + "\" ";
    if (!stillAFile) {
        return named +
               "is not there any more, so cartpipe was not started. "
               "Choose the ROM again from the list.";
    }
    if (shortForm.empty()) {
        return named +
               "has no short form of its path that the command interpreter can be "
               "given, so cartpipe was not started. Move it to a folder with a "
               "plain name and choose it there.";
    }
    return {};
}

}  // namespace quillon::files
