// Accepting a ROM file and what its selection shows and presets.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "files/rom_choice.h"

namespace quillon::files {
namespace {

constexpr DoublePreset kNoDouble{0, true};
constexpr DoublePreset kDouble{1, true};
constexpr DoublePreset kLockedNoDouble{0, false};

TEST(RomSize, NumberCaptionAndPresetAtTheBoundaries) {
    struct Row {
        std::uintmax_t bytes;
        std::string number;
        DoublePreset preset;
    };
    const std::vector<Row> rows = {
        {0, "", kNoDouble},         {1, "", kNoDouble},       {99, "", kNoDouble},
        {100, "", kNoDouble},       {999, "", kNoDouble},     {1000, "1", kNoDouble},
        {1999, "1", kNoDouble},     {2000, "2", kDouble},     {2048, "2", kDouble},
        {2999, "2", kDouble},       {3000, "3", kNoDouble},   {4000, "4", kLockedNoDouble},
        {4096, "4", kLockedNoDouble}, {4999, "4", kLockedNoDouble}, {5000, "5", kNoDouble},
        {8000, "8", kDouble},       {8192, "8", kDouble},     {8999, "8", kDouble},
        {9000, "9", kNoDouble},     {10000, "10", kNoDouble}, {20000, "20", kNoDouble},
        {40000, "40", kNoDouble},   {80000, "80", kNoDouble}, {32768, "32", kNoDouble},
        {std::uintmax_t{1} << 40, "1099511627", kNoDouble},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(sizeNumber(row.bytes), row.number) << row.bytes << " bytes";
        const RomDescription shown = describeRom("GAME.BIN", row.bytes);
        EXPECT_EQ(shown.sizeCaption, "ROM Size: " + row.number + "KB") << row.bytes << " bytes";
        EXPECT_EQ(shown.preset, row.preset) << row.bytes << " bytes";
    }
}

TEST(RomSize, PresetComparesTheNumberAsText) {
    struct Row {
        std::string number;
        DoublePreset preset;
    };
    const std::vector<Row> rows = {
        {"2", kDouble}, {"8", kDouble}, {"4", kLockedNoDouble}, {"", kNoDouble},
        {"02", kNoDouble}, {"2 ", kNoDouble}, {"44", kNoDouble}, {"1", kNoDouble},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(doublePreset(row.number), row.preset) << '"' << row.number << '"';
    }
}

TEST(RomFiles, AcceptedByTheLastFourCharactersOfThePath) {
    struct Row {
        std::string path;
        bool accepted;
    };
    const std::vector<Row> rows = {
        {R"(C:\ROMS\GAME.BIN)", true},        {R"(C:\ROMS\game.bin)", true},
        {R"(C:\ROMS\Game.A78)", true},        {R"(C:\ROMS\pacman.a78)", true},
        {R"(C:\ROMS\.bin)", true},            {R"(C:\ROMS\ms.pac.A78)", true},
        {R"(C:\ROMS\spiel-ä.bin)", true},     {R"(C:\ROMS\日本.A78)", true},
        {"/home/ann/roms/game.BiN", true},    {R"(C:\ROMS\game.bin.txt)", false},
        {R"(C:\ROMS\game.a7)", false},        {R"(C:\ROMS\gamebin)", false},
        {R"(C:\ROMS\game.bin )", false},      {R"(C:\ROMS\game. bin)", false},
        {R"(C:\ROMS\game.bïn)", false},       {R"(C:\ROMS\game.BİN)", false},
        {R"(C:\ROMS\game.a७८)", false},       {"C:\\ROMS\\game.b\xFFn", false},
        {"bin", false},                       {"", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(isRomPath(row.path), row.accepted) << row.path;
    }
}

TEST(RomFiles, NameIsTheFileNameWithoutItsExtensionInCapitals) {
    struct Row {
        std::string fileName;
        std::string romName;
    };
    const std::vector<Row> rows = {
        {"GAME.BIN", "GAME"},
        {"pacman.a78", "PACMAN"},
        {".bin", ""},
        {"ms.pac.A78", "MS.PAC"},
        {"Space Game.a78", "SPACE GAME"},
        {"spiel-ä.bin", "SPIEL-Ä"},
        {"über.a78", "ÜBER"},
        {"игра.bin", "ИГРА"},
        {"παιχνίδι.a78", "ΠΑΙΧΝΊΔΙ"},
        {"日本.bin", "日本"},
        {"ab.äöü", "AB"},  // a multibyte extension is cut as four characters
        {"\xFFgame.bin", "\xFFGAME"},
        {"bin", ""},
        {"", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(romName(row.fileName), row.romName) << row.fileName;
    }
}

TEST(RomFiles, DescriptionOfAnAcceptedSelection) {
    struct Row {
        std::string fileName;
        std::uintmax_t bytes;
        std::string nameCaption;
        std::string sizeCaption;
        DoublePreset preset;
    };
    const std::vector<Row> rows = {
        {"GAME.BIN", 32768, "ROM Selected: GAME", "ROM Size: 32KB", kNoDouble},
        {"pacman.a78", 2048, "ROM Selected: PACMAN", "ROM Size: 2KB", kDouble},
        {"combat.bin", 4096, "ROM Selected: COMBAT", "ROM Size: 4KB", kLockedNoDouble},
        {".bin", 500, "ROM Selected: ", "ROM Size: KB", kNoDouble},
        {"tiny.bin", 12, "ROM Selected: TINY", "ROM Size: KB", kNoDouble},
    };
    for (const Row& row : rows) {
        const RomDescription shown = describeRom(row.fileName, row.bytes);
        EXPECT_EQ(shown.nameCaption, row.nameCaption) << row.fileName;
        EXPECT_EQ(shown.sizeCaption, row.sizeCaption) << row.fileName;
        EXPECT_EQ(shown.preset, row.preset) << row.fileName;
    }
}

}  // namespace
}  // namespace quillon::files
