#include <array>
#include <cstdint>

#include "files/code_points.h"
#include "files/utf8.h"

namespace quillon::files {

namespace {

// Capitals whose small letter lies a fixed distance away.
struct ShiftedBlock {
    std::int32_t firstCapital;
    std::int32_t lastCapital;
    std::int32_t toSmall;
};

constexpr std::array<ShiftedBlock, 13> kShiftedBlocks = {{
    {0x0041, 0x005A, 32},    // Basic Latin
    {0x00C0, 0x00D6, 32},    // Latin-1, before the multiplication sign
    {0x00D8, 0x00DE, 32},    // Latin-1, after it
    {0x0178, 0x0178, -121},  // Y with diaeresis, whose small letter is in Latin-1
    {0x0386, 0x0386, 38},    // Greek capitals with tonos
    {0x0388, 0x038A, 37},
    {0x038C, 0x038C, 64},
    {0x038E, 0x038F, 63},
    {0x0391, 0x03A1, 32},  // Greek, before the gap where final sigma's capital would be
    {0x03A3, 0x03AB, 32},
    {0x0400, 0x040F, 80},  // Cyrillic capitals with their small letters at 0450
    {0x0410, 0x042F, 32},
    {0x04C0, 0x04C0, 15},  // palochka
}};

// Runs where a capital is directly followed by its small letter.
struct PairedBlock {
    std::int32_t first;
    std::int32_t last;
};

constexpr std::array<PairedBlock, 9> kPairedBlocks = {{
    {0x0100, 0x012F},
    {0x0132, 0x0137},
    {0x0139, 0x0148},
    {0x014A, 0x0177},
    {0x0179, 0x017E},
    {0x0460, 0x0481},
    {0x048A, 0x04BF},
    {0x04C1, 0x04CE},
    {0x04D0, 0x04FF},
}};

// Final sigma has no capital of its own; it upper-cases like sigma.
constexpr std::int32_t kFinalSigma = 0x03C2;
constexpr std::int32_t kCapitalSigma = 0x03A3;

// Dotted capital I, dotless small i and long s are left alone on purpose:
// their case partners are ASCII letters, and a name like "GAME.BİN" must not
// read as a ".bin" file.

std::int32_t smallLetterOf(std::int32_t c) {
    for (const ShiftedBlock& block : kShiftedBlocks) {
        if (c >= block.firstCapital && c <= block.lastCapital) {
            return c + block.toSmall;
        }
    }
    for (const PairedBlock& block : kPairedBlocks) {
        if (c >= block.first && c <= block.last && (c - block.first) % 2 == 0) {
            return c + 1;
        }
    }
    return c;
}

std::int32_t capitalOf(std::int32_t c) {
    if (c == kFinalSigma) {
        return kCapitalSigma;
    }
    for (const ShiftedBlock& block : kShiftedBlocks) {
        const std::int32_t capital = c - block.toSmall;
        if (capital >= block.firstCapital && capital <= block.lastCapital) {
            return capital;
        }
    }
    for (const PairedBlock& block : kPairedBlocks) {
        if (c > block.first && c <= block.last && (c - block.first) % 2 == 1) {
            return c - 1;
        }
    }
    return c;
}

template <typename Mapping>
std::string mapLetters(std::string_view text, Mapping mapping) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        const utf8::Unit unit = utf8::decodeAt(text, offset);
        if (unit.valid) {
            const auto mapped = mapping(static_cast<std::int32_t>(unit.codePoint));
            utf8::append(out, static_cast<char32_t>(mapped));
        } else {
            out += text[offset];  // a stray byte stays exactly as it was
        }
        offset += unit.size;
    }
    return out;
}

}  // namespace

std::string toUpper(std::string_view text) {
    return mapLetters(text, capitalOf);
}

std::string toLower(std::string_view text) {
    return mapLetters(text, smallLetterOf);
}

}  // namespace quillon::files
