// Which file each page takes: the ROM to upload, with what its selection shows and presets, and
// the dump destination.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/code_points.h"
#include "files/destination.h"
#include "files/rom_choice.h"

namespace quillon::files {
namespace {

// Whole thousands of bytes, nothing below 1000; the double choice is preset by the number as
// text: "2" and "8" double, "4" locks the choice, 20, 32, 40 or 80 do neither.
TEST(RomSize, NumberCaptionAndPresetAtTheBoundaries) {
    constexpr DoublePreset kNoDouble{0, true}, kDouble{1, true}, kLocked{0, false};
    struct Row {
        std::uintmax_t bytes;
        std::string number;
        DoublePreset preset;
    };
    const std::vector<Row> rows = {
        {0, "", kNoDouble},      {99, "", kNoDouble},     {100, "", kNoDouble},
        {999, "", kNoDouble},    {1000, "1", kNoDouble},  {1999, "1", kNoDouble},
        {2000, "2", kDouble},    {2999, "2", kDouble},    {3000, "3", kNoDouble},
        {4000, "4", kLocked},    {4999, "4", kLocked},    {5000, "5", kNoDouble},
        {8000, "8", kDouble},    {8999, "8", kDouble},    {9000, "9", kNoDouble},
        {10000, "10", kNoDouble}, {20000, "20", kNoDouble}, {32768, "32", kNoDouble},
        {40000, "40", kNoDouble}, {80000, "80", kNoDouble},
        {std::uintmax_t{1} << 40, "1099511627", kNoDouble},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.bytes) + " bytes");
        EXPECT_EQ(sizeNumber(row.bytes), row.number);
        const RomDescription shown = describeRom("pac man.a78", row.bytes);
        EXPECT_EQ(shown.nameCaption, "ROM Selected: PAC MAN");
        EXPECT_EQ(shown.sizeCaption, "ROM Size: " + row.number + "KB");
        EXPECT_EQ(shown.preset, row.preset);
    }
}

// Accepted by the last four characters of the whole path, ".bin" or ".a78" in any ASCII case;
// a foreign letter or digit that only looks or lower-cases like one is no match.
TEST(RomFiles, AcceptedByTheLastFourCharactersOfThePath) {
    struct Row {
        std::string path;
        bool accepted;
    };
    const std::vector<Row> rows = {
        {R"(C:\ROMS\GAME.BIN)", true},     {R"(C:\ROMS\Game.A78)", true},
        {R"(C:\ROMS\.bin)", true},         {R"(C:\ROMS\ms.pac.a78)", true},
        {R"(C:\ROMS\日本-ä.bin)", true},   {"/home/ann/roms/game.BiN", true},
        {R"(C:\ROMS\game.bin.txt)", false}, {R"(C:\ROMS\game.a7)", false},
        {R"(C:\ROMS\gamebin)", false},     {R"(C:\ROMS\game.bin )", false},
        {R"(C:\ROMS\game. bin)", false},   {R"(C:\ROMS\game.bïn)", false},
        {R"(C:\ROMS\game.BİN)", false},    {R"(C:\ROMS\game.a७८)", false},
        {"C:\\ROMS\\game.b\xFFn", false},  {"bin", false},
        {"", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(isRomPath(row.path), row.accepted) << row.path;
    }
}

// The file name without its last four characters (cut as characters, not bytes), in capitals.
TEST(RomFiles, NameIsTheFileNameWithoutItsExtensionInCapitals) {
    struct Row {
        std::string fileName;
        std::string romName;
    };
    const std::vector<Row> rows = {
        {"GAME.BIN", "GAME"},          {".bin", ""},
        {"ms.pac.A78", "MS.PAC"},      {"Space Game.a78", "SPACE GAME"},
        {"über.a78", "ÜBER"},          {"игра.bin", "ИГРА"},
        {"παιχνίδι.a78", "ΠΑΙΧΝΊΔΙ"},  {"日本.bin", "日本"},
        {"ab.äöü", "AB"},              {"\xFFgame.bin", "\xFFGAME"},
        {"bin", ""},                   {"", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(romName(row.fileName), row.romName) << row.fileName;
    }
}

// The rule as it was, applied to the whole text; it only keeps the marks below honest.
bool acceptedByWholeText(std::string_view text) {
    const std::size_t dot = text.find('.');
    const std::int64_t position =
        dot == std::string_view::npos ? 0 : std::int64_t(codePointCount(text.substr(0, dot))) + 1;
    return position == std::int64_t(codePointCount(text)) - 3;
}

// Only the file name after the last "\" or "/" is judged: its first dot followed by exactly
// three characters, or three characters without a dot. Rows marked mended are those where this
// differs from judging the whole text: dotted folders, a drive's root, a folder named like a file.
TEST(DumpDestination, FirstDotOfTheFileNameFollowedByThreeCharacters) {
    struct Row {
        std::string text;
        bool accepted;
        bool mended;  // whether judging the file name alone changed the outcome
    };
    constexpr bool kAsBefore = false, kMended = true;
    const std::vector<Row> rows = {
        {R"(C:\DUMPS\GAME.BIN)", true, kAsBefore}, {R"(C:\MY.DIR\GAME.BIN)", true, kMended},
        {R"(C:\DUMPS\GAME.A78)", true, kAsBefore},
        {R"(C:\Users\john.smith\Documents\GAME.A78)", true, kMended},
        {R"(C:\DUMPS\)", false, kAsBefore}, {R"(C:\A.BC\)", false, kMended},
        {"C:/dumps/game.bin", true, kAsBefore}, {"C:/A.BC/", false, kMended},
        {"abc", true, kAsBefore}, {R"(C:\DIR.X\abc)", true, kMended},
        {R"(C:\DUMPS\spiel.äöü)", true, kAsBefore}, {R"(C:\DUMPS\äöü)", true, kMended},
        {"", false, kAsBefore}, {R"(C:\)", false, kMended},
        {".bin", true, kAsBefore}, {"a.b.c", true, kAsBefore},
        {R"(C:\DUMPS\GAME.ROM1)", false, kAsBefore}, {R"(C:\DUMPS\GAME.B)", false, kAsBefore},
        {R"(C:\DUMPS\GAME)", false, kAsBefore}, {R"(C:\DUMPS\GAME.BIN\)", false, kAsBefore},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text + (row.mended ? " (mended)" : " (as before)"));
        EXPECT_EQ(acceptedByWholeText(row.text) != row.accepted, row.mended) << "mark";
        EXPECT_EQ(destinationAccepted(row.text), row.accepted);
    }
}

}  // namespace
}  // namespace quillon::files
