#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::files {

// This console's ROM images may begin with a header of their own, which the
// cartridge never held: the lists of known-good dumps mostly describe the
// data after it.
inline constexpr std::uint64_t kRomHeaderBytes = 128;

// Whether a file of `fileSize` bytes that begins with `firstBytes` (at least
// the first ten of them, when it has so many) starts with that header:
// "ATARI7800" at bytes 1 to 9, counting from 0, and room for the whole header.
bool beginsWithRomHeader(std::string_view firstBytes, std::uint64_t fileSize);

// What identifies a run of bytes. The strong hashes are lower-case hex, empty
// while not computed.
struct Digests {
    std::uint64_t size = 0;
    std::uint32_t crc32 = 0;
    std::string md5;
    std::string sha1;

    friend bool operator==(const Digests&, const Digests&) = default;
};

// One ROM of a list of known-good dumps, its values as the list writes them
// (hex in either letter case); empty, or no size, where it gives none.
struct DatRom {
    std::string game;
    std::string name;
    std::optional<std::uint64_t> size;
    std::string crc32;
    std::string md5;
    std::string sha1;
};

struct DatMatch {
    std::string game;
    std::string rom;
    bool withoutHeader = false;

    friend bool operator==(const DatMatch&, const DatMatch&) = default;
};

struct MatchVerdict {
    std::optional<DatMatch> match;
    // No match yet, but a ROM fits the data after the header by size and
    // CRC-32 and lists a strong hash that was not computed for that data.
    bool wantsHeaderlessHashes = false;

    friend bool operator==(const MatchVerdict&, const MatchVerdict&) = default;
};

// The list's ROM that the whole file is, else the one that the data after its
// header is (`headerless` is there only for a file with the header). A ROM
// is the data when every value it lists agrees and it lists at least one
// hash; the whole file is preferred, then the first in the list.
MatchVerdict chooseMatch(const std::vector<DatRom>& roms, const Digests& whole,
                         const std::optional<Digests>& headerless);

// "Matches: " and the game's name, or "Not in the DAT".
std::string matchText(const MatchVerdict& verdict);

// Bytes as lower-case hex, two digits each, as checksum tools print them.
std::string hexText(std::string_view bytes);
// A CRC-32 as its eight lower-case hex digits.
std::string crcText(std::uint32_t crc);
// A byte offset as hex with "0x" and capitals, as hex editors show it.
std::string offsetText(std::uint64_t offset);

}  // namespace quillon::files
