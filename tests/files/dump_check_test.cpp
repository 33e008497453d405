// Telling a good dump: the ROM header, the known-good list's answer, and two dumps compared.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/byte_comparison.h"
#include "files/dat_match.h"

namespace quillon::files {
namespace {

// Catches the mark looked for at the wrong byte, in any letter case, or in a file too short.
TEST(RomHeader, MarkAtBytesOneToNineOfAWholeHeader) {
    const std::string mark = std::string(1, '\x01') + "ATARI7800";
    const struct {
        std::string start;
        std::uint64_t size;
        bool header;
    } rows[] = {
        {mark + std::string(118, '\0'), 128, true},
        {mark, 40000, true},
        {mark, 127, false},
        {"ATARI7800", 40000, false},
        {std::string(1, '\0') + "atari7800", 40000, false},
        {std::string(1, '\0') + "ATARI780", 40000, false},
        {"", 0, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(beginsWithRomHeader(row.start, row.size), row.header) << row.start;
    }
}

Digests digests(std::uint64_t size, std::uint32_t crc, std::string md5 = {},
                std::string sha1 = {}) {
    return {size, crc, std::move(md5), std::move(sha1)};
}

// A made-up list: hex in both cases, a CRC without its leading zeros, a headered image and its
// data listed apart, a ROM that lists no hash.
const std::vector<DatRom> kDat = {
    {"Alpha Run", "alpha.a78", 49152, "00C0FFEE", "AA11", "BB22"},
    {"Beta Quest", "beta.bin", 32768, "deadbeef", "cc33", "DD44"},
    {"Beta Quest", "beta.a78", 32896, "12345678", "EE55", "ff66"},
    {"Gamma", "gamma.bin", 16384, "c0ffee", "", ""},
    {"Nameless", "size-only.bin", 8192, "", "", ""},
    {"Delta", "delta.bin", std::nullopt, "7", "", "1234abcd"},
};

// What a verdict says, in one line: the ROM and whether it matched without the header, or
// that the data after the header is wanted, or nothing.
std::string described(const MatchVerdict& verdict) {
    if (verdict.match) {
        return verdict.match->rom + (verdict.match->withoutHeader ? " without header" : " whole");
    }
    return verdict.wantsHeaderlessHashes ? "wants headerless hashes" : "none";
}

// Catches a CRC-only or size-blind match, case-sensitive hex, a ROM without hashes matching,
// the headerless data preferred over the whole file, or a second reading skipped or asked
// for without cause.
TEST(DatMatch, ChoosesTheRomEveryListedValueAgreesWith) {
    const Digests headered = digests(32896, 1, "0", "0");
    const struct {
        const char* what;
        Digests whole;
        bool header;
        Digests headerless;
        std::string verdict;
        std::string text;
    } rows[] = {
        {"whole file, list in capitals",
         digests(49152, 0xc0ffee, "aa11", "bb22"),
         false,
         {},
         "alpha.a78 whole",
         "Matches: Alpha Run"},
        {"size differs",
         digests(49153, 0xc0ffee, "aa11", "bb22"),
         false,
         {},
         "none",
         "Not in the DAT"},
        {"CRC agrees, SHA-1 not",
         digests(49152, 0xc0ffee, "aa11", "bb23"),
         false,
         {},
         "none",
         "Not in the DAT"},
        {"CRC listed without leading zeros",
         digests(16384, 0x00c0ffee, "99", "98"),
         false,
         {},
         "gamma.bin whole",
         "Matches: Gamma"},
        {"a ROM listing no hash names nothing",
         digests(8192, 1, "1", "2"),
         false,
         {},
         "none",
         "Not in the DAT"},
        {"no size listed",
         digests(5, 7, "0", "1234ABCD"),
         false,
         {},
         "delta.bin whole",
         "Matches: Delta"},
        {"headerless data as the whole file",
         digests(32768, 0xdeadbeef, "cc33", "dd44"),
         false,
         {},
         "beta.bin whole",
         "Matches: Beta Quest"},
        {"headerless fits by CRC, strong hashes wanted", headered, true, digests(32768, 0xdeadbeef),
         "wants headerless hashes", "Not in the DAT"},
        {"headerless data matches", headered, true, digests(32768, 0xdeadbeef, "cc33", "dd44"),
         "beta.bin without header", "Matches: Beta Quest"},
        {"headerless strong hash differs", headered, true,
         digests(32768, 0xdeadbeef, "cc33", "dd45"), "none", "Not in the DAT"},
        {"whole file preferred", digests(32896, 0x12345678, "ee55", "FF66"), true,
         digests(32768, 0xdeadbeef), "beta.a78 whole", "Matches: Beta Quest"},
        {"headerless CRC fits nothing: no second reading", headered, true,
         digests(32768, 0xdeadbeee), "none", "Not in the DAT"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const MatchVerdict verdict =
            chooseMatch(kDat, row.whole, row.header ? std::optional(row.headerless) : std::nullopt);
        EXPECT_EQ(described(verdict), row.verdict);
        EXPECT_EQ(matchText(verdict), row.text);
    }
}

// Catches a wrong digit case or width, and an offset not shown as hex editors show it.
TEST(HexText, DigitsAsChecksumToolsAndHexEditorsWriteThem) {
    EXPECT_EQ(hexText(std::string("\x00\x0f\xf0\xff", 4)), "000ff0ff");
    EXPECT_EQ(crcText(0x1a), "0000001a");
    EXPECT_EQ(crcText(0xFFFFFFFF), "ffffffff");
    EXPECT_EQ(offsetText(0), "0x0");
    EXPECT_EQ(offsetText(0x1f40), "0x1F40");
    EXPECT_EQ(offsetText(0x123456789abULL), "0x123456789AB");
}

// Catches differences miscounted across slices, a first offset counted within the slice, and
// sizes that differ reported as differing bytes or as identical.
TEST(ByteComparison, VerdictOfTwoFilesFedInSlices) {
    const struct {
        std::string ours, theirs;
        std::size_t slice;
        std::string text;
    } rows[] = {
        {"abcdef", "abcdef", 4, "Identical"},
        {"", "", 4, "Identical"},
        {"abcdef", "abcdEf", 4, "1 byte differs, at offset 0x4"},
        {std::string(40, 'a'), std::string(17, 'a') + "bbb" + std::string(19, 'a') + "c", 8,
         "4 bytes differ, the first at offset 0x11"},
        {"abc", "abcdef", 2,
         "The sizes differ: this file has 3 bytes, the other 6 bytes; the shorter is the start "
         "of the longer"},
        {"xbcdef", "a", 2,
         "The sizes differ: this file has 6 bytes, the other 1 byte; within the first 1 byte, "
         "1 byte differs, at offset 0x0"},
        {"", "a", 2, "The sizes differ: this file has 0 bytes, the other 1 byte"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ours + " | " + row.theirs);
        ByteComparison bytes;
        const std::size_t common = std::min(row.ours.size(), row.theirs.size());
        for (std::size_t at = 0; at < common; at += row.slice) {
            bytes.add(std::string_view(row.ours).substr(at, std::min(row.slice, common - at)),
                      std::string_view(row.theirs).substr(at, std::min(row.slice, common - at)));
        }
        EXPECT_EQ(comparisonText(row.ours.size(), row.theirs.size(), bytes), row.text);
    }
}

}  // namespace
}  // namespace quillon::files
