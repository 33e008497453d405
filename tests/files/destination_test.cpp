// Which dump destinations name a file.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/code_points.h"
#include "files/destination.h"

namespace quillon::files {
namespace {

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
