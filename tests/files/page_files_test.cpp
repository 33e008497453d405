// The ROM to upload (what its selection shows and presets) and the dump destination.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/destination.h"
#include "files/rom_choice.h"

namespace quillon::files {
namespace {

// Catches a wrong rounding at each boundary, and a preset by the first digit, not the text.
TEST(RomSize, NumberCaptionAndPresetAtTheBoundaries) {
    constexpr DoublePreset kNoDouble{0, true}, kDouble{1, true}, kLocked{0, false};
    const struct {
        std::uintmax_t bytes;
        std::string number;
        DoublePreset preset;
    } rows[] = {
        {99, "", kNoDouble},
        {999, "", kNoDouble},
        {1000, "1", kNoDouble},
        {2000, "2", kDouble},
        {2999, "2", kDouble},
        {3000, "3", kNoDouble},
        {4000, "4", kLocked},
        {4999, "4", kLocked},
        {5000, "5", kNoDouble},
        {8000, "8", kDouble},
        {8999, "8", kDouble},
        {9000, "9", kNoDouble},
        {20000, "20", kNoDouble},
        {40000, "40", kNoDouble},
        {std::uintmax_t{1} << 40, "1099511627", kNoDouble},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.bytes) + " bytes");
        EXPECT_EQ(sizeNumber(row.bytes), row.number);
        const RomDescription shown = describeRom("PAC MAN.A78", row.bytes);
        EXPECT_EQ(shown.nameCaption, "ROM Selected: PAC MAN");
        EXPECT_EQ(shown.sizeCaption, "ROM Size: " + row.number + "KB");
        EXPECT_EQ(shown.preset, row.preset);
    }
}

// Catches a wrong case rule or a foreign letter or digit taken for ".bin" or ".a78".
TEST(RomFiles, AcceptedByTheLastFourCharactersOfThePath) {
    for (const char* path : {R"(C:\ROMS\GAME.BIN)", R"(C:\ROMS\Game.A78)", R"(C:\ROMS\.bin)",
                             R"(C:\ROMS\ms.pac.a78)", R"(C:\日本-ä.bin)", "/roms/game.BiN"}) {
        EXPECT_TRUE(isRomPath(path)) << path;
    }
    for (const char* path :
         {R"(C:\ROMS\game.bin.txt)", R"(C:\ROMS\game.a7)", R"(C:\ROMS\gamebin)", "game.bin ",
          "game. bin", "game.bïn", "game.BİN", "game.a७८", "C:\\game.b\xFFn", "bin", ""}) {
        EXPECT_FALSE(isRomPath(path)) << path;
    }
}

// The file name without its last four characters, cut as characters, not bytes.
TEST(RomFiles, NameIsTheFileNameWithoutItsExtension) {
    for (const auto& [fileName, name] :
         std::vector<std::pair<std::string, std::string>>{{"GAME.BIN", "GAME"},
                                                          {".bin", ""},
                                                          {"ms.pac.A78", "ms.pac"},
                                                          {"über.a78", "über"},
                                                          {"日本.bin", "日本"},
                                                          {"ab.äöü", "ab"},
                                                          {"a.🎮🎮🎮", "a"},
                                                          {"bin", ""},
                                                          {"", ""}}) {
        EXPECT_EQ(romName(fileName), name) << fileName;
    }
}

// Catches the folders judged with the name, and bytes counted for characters.
TEST(DumpDestination, FirstDotOfTheFileNameFollowedByThreeCharacters) {
    const struct {
        std::string text;
        bool accepted;
    } rows[] = {
        {R"(C:\DUMPS\GAME.BIN)", true},
        {R"(C:\MY.DIR\GAME.BIN)", true},
        {R"(C:\DUMPS\)", false},
        {"C:/dumps/game.bin", true},
        {"C:/A.BC/", false},
        {"abc", true},
        {R"(C:\DIR.X\abc)", true},
        {R"(C:\DUMPS\spiel.äöü)", true},
        {R"(C:\DUMPS\äöü)", true},
        {"", false},
        {".bin", true},
        {"a.b.c", true},
        {R"(C:\DUMPS\GAME.ROM1)", false},
        {R"(C:\DUMPS\GAME.B)", false},
        {R"(C:\DUMPS\GAME)", false},
        {R"(C:\DUMPS\GAME.BIN\)", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(destinationAccepted(row.text), row.accepted) << row.text;
    }
}

}  // namespace
}  // namespace quillon::files
