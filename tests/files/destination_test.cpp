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

// Whether a row's outcome is the one the whole text would have given, or
// one that judging only the file name changed.
enum class Outcome { AsBefore, Mended };

// The rule applied to the whole text, as it used to be; it only keeps the
// notes of the table below honest.
bool acceptedByWholeText(std::string_view text) {
    const std::size_t dot = text.find('.');
    const auto position = dot == std::string_view::npos
                              ? std::int64_t{0}
                              : static_cast<std::int64_t>(codePointCount(text.substr(0, dot))) + 1;
    return position == static_cast<std::int64_t>(codePointCount(text)) - 3;
}

TEST(DumpDestination, FirstDotOfTheFileNameFollowedByThreeCharacters) {
    struct Row {
        std::string text;
        bool accepted;
        Outcome outcome;
        const char* note;
    };
    const std::vector<Row> rows = {
        {R"(C:\DUMPS\GAME.BIN)", true, Outcome::AsBefore, "a plain file name"},
        {R"(C:\DUMPS\GAME.A78)", true, Outcome::AsBefore, "the other extension"},
        {R"(C:\DUMPS\)", false, Outcome::AsBefore, "a folder"},
        {R"(C:\)", false, Outcome::Mended, "a drive's root is three characters, but a folder"},
        {R"(C:\DUMPS\GAME.ROM1)", false, Outcome::AsBefore, "four after the dot"},
        {R"(C:\DUMPS\GAME.B)", false, Outcome::AsBefore, "one after the dot"},
        {R"(C:\DUMPS\GAME)", false, Outcome::AsBefore, "no dot, four characters"},
        {"abc", true, Outcome::AsBefore, "three characters without a dot"},
        {".bin", true, Outcome::AsBefore, "only an extension"},
        {"a.b.c", true, Outcome::AsBefore, "the first dot is followed by three"},
        {"GAME.BIN", true, Outcome::AsBefore, "a name without a folder"},
        {"", false, Outcome::AsBefore, "nothing typed"},
        {"C:/dumps/game.bin", true, Outcome::AsBefore, "forward slashes"},
        {R"(C:\DUMPS\spiel.äöü)", true, Outcome::AsBefore, "three letters, six bytes"},
        {R"(C:\MY.DIR\GAME.BIN)", true, Outcome::Mended,
         "a dot in a folder name no longer rejects the file"},
        {R"(C:\Users\john.smith\Documents\GAME.BIN)", true, Outcome::Mended,
         "a dotted user folder no longer rejects the file"},
        {R"(C:\A.BC\)", false, Outcome::Mended, "a folder named like a file is still a folder"},
        {"C:/A.BC/", false, Outcome::Mended, "the same with forward slashes"},
        {R"(C:\DIR.X\abc)", true, Outcome::Mended, "a three-character name after a dotted folder"},
        {R"(C:\DUMPS\äöü)", true, Outcome::Mended, "a three-character name in a folder"},
        {R"(C:\DUMPS\GAME.BIN\)", false, Outcome::AsBefore, "a folder named GAME.BIN"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(acceptedByWholeText(row.text) == row.accepted, row.outcome == Outcome::AsBefore)
            << "note of " << row.text;
        EXPECT_EQ(destinationAccepted(row.text), row.accepted)
            << row.text << " (" << (row.outcome == Outcome::Mended ? "mended: " : "as before: ")
            << row.note << ")";
    }
}

}  // namespace
}  // namespace quillon::files
