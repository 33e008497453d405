// The documented command lines, character for character.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "command/page_commands.h"
#include "command/transfer_command.h"
#include "page_fixtures.h"

namespace quillon::command {
namespace {

using testing::FakeShortener;
using testing::freshDumpPage;
using testing::freshUploadPage;

const FakeShortener kShortener({
    {R"(C:\ROMS\GAME.BIN)", R"(C:\ROMS\GAME.BIN)"},
    {R"(C:\My Roms\Space Game.a78)", R"(C:\MYROMS~1\SPACEG~1.A78)"},
    {R"(C:\\GAME.BIN)", R"(C:\\GAME.BIN)"},
});

struct UploadExample {
    const char* name;
    std::function<void(UploadSnapshot&)> set;
    std::string preview;
    std::string run;
};

TEST(UploadCommandLines, MatchTheWorkedExamples) {
    const std::vector<UploadExample> examples = {
        {"all options at their first items",
         [](UploadSnapshot&) {},
         R"(cartpipe       C:\ROMS\GAME.BIN)",
         R"(C:\Windows\command.com /k cartpipe       "C:\ROMS\GAME.BIN")"},
        {"reverse, fast, port 2, linear, write 8000",
         [](UploadSnapshot& p) {
             p.doubleText = "Reverse";
             p.fast = true;
             p.port = "Port 2";
             p.type = "Linear";
             p.writeOn = true;
             p.writeAddress = "8000";
         },
         R"(cartpipe  -r -f -l2 -c1 -w8000 C:\ROMS\GAME.BIN)",
         R"(C:\Windows\command.com /k cartpipe  -r -f -l2 -c1 -w8000 "C:\ROMS\GAME.BIN")"},
        {"double, port 3, highscore, long names",
         [](UploadSnapshot& p) {
             p.doubleText = "Double ";
             p.port = "Port 3";
             p.type = "Highscore";
             p.folder = R"(C:\My Roms)";
             p.fileName = "Space Game.a78";
         },
         R"(cartpipe  -d  -l3 -c2  C:\My Roms\Space Game.a78)",
         R"(C:\Windows\command.com /k cartpipe  -d  -l3 -c2  "C:\MYROMS~1\SPACEG~1.A78")"},
        {"root folder, fast, write with an empty address",
         [](UploadSnapshot& p) {
             p.folder = R"(C:\)";
             p.fast = true;
             p.writeOn = true;
         },
         R"(cartpipe   -f   -w C:\\GAME.BIN)",
         R"(C:\Windows\command.com /k cartpipe   -f   -w "C:\\GAME.BIN")"},
    };

    for (const UploadExample& example : examples) {
        UploadSnapshot page = freshUploadPage();
        page.folder = R"(C:\ROMS)";
        page.fileName = "GAME.BIN";
        example.set(page);
        EXPECT_EQ(renderPreviewLine(composeUpload(page, "\\")), example.preview) << example.name;
        EXPECT_EQ(renderRunLine(uploadForRun(page, "\\", kShortener)), example.run)
            << example.name;
    }
}

TEST(UploadCommandLines, PathWithoutShortFormGivesEmptyQuotes) {
    UploadSnapshot page = freshUploadPage();
    page.folder = R"(C:\GONE)";
    page.fileName = "GAME.BIN";
    EXPECT_EQ(renderRunLine(uploadForRun(page, "\\", kShortener)),
              R"(C:\Windows\command.com /k cartpipe       "")");
}

struct DumpExample {
    const char* name;
    std::function<void(DumpSnapshot&)> set;
    std::string preview;
    std::string run;
};

TEST(DumpCommandLines, MatchTheWorkedExamples) {
    const std::vector<DumpExample> examples = {
        {"all options at their first items, code TEST",
         [](DumpSnapshot&) {},
         R"(cartpipe        -tTEST C:\DUMPS\CART.BIN)",
         R"(C:\Windows\command.com /k cartpipe        -tTEST "C:\DUMPS\CART.BIN")"},
        {"alternate, double, port 2, linear, bank 1F, write C000, code 26F8",
         [](DumpSnapshot& p) {
             p.alternate = true;
             p.doubleText = "Double ";
             p.port = "Port 2";
             p.type = "Linear";
             p.bankOn = true;
             p.bank = "1F";
             p.writeOn = true;
             p.writeAddress = "C000";
             p.code = "26F8";
         },
         R"(cartpipe -a -d  -l2 -c1 -n1F -wC000 -t26F8 C:\DUMPS\CART.BIN)",
         R"(C:\Windows\command.com /k cartpipe -a -d  -l2 -c1 -n1F -wC000 -t26F8 "C:\DUMPS\CART.BIN")"},
        {"reverse, port 3, highscore, write 8000, code 7832, names with blanks",
         [](DumpSnapshot& p) {
             p.doubleText = "Reverse";
             p.port = "Port 3";
             p.type = "Highscore";
             p.writeOn = true;
             p.writeAddress = "8000";
             p.code = "7832";
             p.destination = R"(C:\My Dumps\cart one.a78)";
         },
         R"(cartpipe  -r  -l3 -c2  -w8000 -t7832 C:\My Dumps\cart one.a78)",
         R"(C:\Windows\command.com /k cartpipe  -r  -l3 -c2  -w8000 -t7832 "C:\My Dumps\cart one.a78")"},
        {"bank with an empty number, code cleared",
         [](DumpSnapshot& p) {
             p.bankOn = true;
             p.code.clear();
         },
         R"(cartpipe      -n  -t C:\DUMPS\CART.BIN)",
         R"(C:\Windows\command.com /k cartpipe      -n  -t "C:\DUMPS\CART.BIN")"},
    };

    for (const DumpExample& example : examples) {
        DumpSnapshot page = freshDumpPage();
        page.destination = R"(C:\DUMPS\CART.BIN)";
        example.set(page);
        const TransferCommand command = composeDump(page);
        EXPECT_EQ(renderPreviewLine(command), example.preview) << example.name;
        EXPECT_EQ(renderRunLine(command), example.run) << example.name;
    }
}

}  // namespace
}  // namespace quillon::command
