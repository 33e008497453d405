#include "files/dat_match.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace quillon::files {

namespace {

constexpr std::string_view kHeaderMark = "ATARI7800";
constexpr std::size_t kHeaderMarkOffset = 1;

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameHex(std::string_view listed, std::string_view computed) {
    return std::ranges::equal(listed, computed,
                              [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

// A CRC is compared as a number: some lists drop its leading zeros.
bool sameCrc(std::string_view listed, std::uint32_t computed) {
    std::uint32_t value = 0;
    const char* end = listed.data() + listed.size();
    const auto [stop, error] = std::from_chars(listed.data(), end, value, 16);
    return error == std::errc() && stop == end && value == computed;
}

enum class Fit { No, Unconfirmed, Yes };

// Every value the ROM lists must agree; a strong hash listed but not computed
// leaves it open. A ROM that lists no hash names no data.
Fit fit(const DatRom& rom, const Digests& data) {
    if (rom.size && *rom.size != data.size) {
        return Fit::No;
    }
    bool checked = false;
    if (!rom.crc32.empty()) {
        if (!sameCrc(rom.crc32, data.crc32)) {
            return Fit::No;
        }
        checked = true;
    }
    bool open = false;
    for (const auto& [listed, computed] :
         {std::pair{&rom.md5, &data.md5}, {&rom.sha1, &data.sha1}}) {
        if (listed->empty()) {
            continue;
        }
        if (computed->empty()) {
            open = true;
            continue;
        }
        if (!sameHex(*listed, *computed)) {
            return Fit::No;
        }
        checked = true;
    }
    return open ? Fit::Unconfirmed : checked ? Fit::Yes : Fit::No;
}

}  // namespace

bool beginsWithRomHeader(std::string_view firstBytes, std::uint64_t fileSize) {
    return fileSize >= kRomHeaderBytes &&
           firstBytes.substr(std::min(kHeaderMarkOffset, firstBytes.size()))
               .starts_with(kHeaderMark);
}

MatchVerdict chooseMatch(const std::vector<DatRom>& roms, const Digests& whole,
                         const std::optional<Digests>& headerless) {
    for (const DatRom& rom : roms) {
        if (fit(rom, whole) == Fit::Yes) {
            return {DatMatch{rom.game, rom.name, false}, false};
        }
    }
    MatchVerdict verdict;
    if (!headerless) {
        return verdict;
    }
    for (const DatRom& rom : roms) {
        switch (fit(rom, *headerless)) {
            case Fit::Yes:
                return {DatMatch{rom.game, rom.name, true}, false};
            case Fit::Unconfirmed:
                verdict.wantsHeaderlessHashes = true;
                break;
            case Fit::No:
                break;
        }
    }
    return verdict;
}

std::string matchText(const MatchVerdict& verdict) {
    return verdict.match ? "Matches: " + verdict.match->game : "Not in the DAT";
}

std::string hexText(std::string_view bytes) {
    static constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text += kDigits[value >> 4];
        text += kDigits[value & 0xF];
    }
    return text;
}

std::string crcText(std::uint32_t crc) {
    std::array<char, 9> text{};
    std::snprintf(text.data(), text.size(), "%08x", static_cast<unsigned>(crc));
    return text.data();
}

std::string offsetText(std::uint64_t offset) {
    std::array<char, 17> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), offset, 16).ptr;
    std::string text = "0x" + std::string(digits.data(), end);
    std::ranges::transform(text.begin() + 2, text.end(), text.begin() + 2, [](char c) {
        return c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

}  // namespace quillon::files
