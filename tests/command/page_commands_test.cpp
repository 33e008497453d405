// The command lines of both pages, character for character and over many page states.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "command/page_commands.h"
#include "command/transfer_command.h"

namespace quillon::command {
namespace {

const std::array<std::string, 3> kDoubles = {"No Double", "Double ", "Reverse"};

// The system's short-path lookup: only these paths have a short form.
std::string shortPath(const std::string& path) {
    if (path == R"(C:\My Roms\Space Game.a78)") {
        return R"(C:\MYROMS~1\SPACEG~1.A78)";
    }
    return path == R"(C:\ROMS\GAME.BIN)" || path == R"(C:\\GAME.BIN)" ? path : std::string();
}

// A page's state in the order a reader of its controls goes through them.
struct UploadRow {
    std::array<std::string, 3> doubleItems;
    std::string doubleText;
    bool fast;
    std::string port, type;
    bool writeOn;
    std::string writeAddress, folder, fileName;
};
struct DumpRow {
    bool alternate;
    std::array<std::string, 3> doubleItems;
    std::string doubleText, port, type;
    bool bankOn;
    std::string bank;
    bool writeOn;
    std::string writeAddress, code, destination;
};

// The line a page previews and the command it runs.
struct Commands {
    std::string preview;
    TransferCommand run;
};
Commands upload(const UploadRow& row) {
    const UploadSnapshot page{
        {row.fast, row.writeOn, row.writeAddress, row.doubleText, row.port, row.type},
        row.doubleItems,
        row.folder,
        row.fileName};
    return {uploadPreviewLine(page, "\\"), uploadForRun(page, "\\", shortPath)};
}
Commands dump(const DumpRow& row) {
    const DumpSnapshot page{{row.alternate, row.writeOn, row.writeAddress, row.bankOn, row.bank,
                             row.doubleText, row.port, row.type, row.code},
                            row.doubleItems,
                            row.destination};
    return {dumpPreviewLine(page), composeDump(page)};
}

// The documented lines, then no file selected, a value taken as it stands, a folder destination,
// a destination the tool would take for options.
TEST(CommandLines, MatchTheWorkedExamples) {
    const std::string roms = R"(C:\ROMS)", cart = R"(C:\DUMPS\CART.BIN)";
    const struct {
        Commands commands;
        std::string preview;
        std::string started;  // the started command's fields, joined as the preview joins them
    } examples[] = {
        {upload(
             {kDoubles, "No Double", false, "Port 1", "Bankswitched", false, "", roms, "GAME.BIN"}),
         R"(cartpipe       C:\ROMS\GAME.BIN)", R"(cartpipe       C:\ROMS\GAME.BIN)"},
        {upload({kDoubles, "Reverse", true, "Port 2", "Linear", true, "8000", roms, "GAME.BIN"}),
         R"(cartpipe  -r -f -l2 -c1 -w8000 C:\ROMS\GAME.BIN)",
         R"(cartpipe  -r -f -l2 -c1 -w8000 C:\ROMS\GAME.BIN)"},
        {upload({kDoubles, "Double ", false, "Port 3", "Highscore", false, "", R"(C:\My Roms)",
                 "Space Game.a78"}),
         R"(cartpipe  -d  -l3 -c2  C:\My Roms\Space Game.a78)",
         R"(cartpipe  -d  -l3 -c2  C:\MYROMS~1\SPACEG~1.A78)"},
        {upload({kDoubles, "No Double", true, "Port 1", "Bankswitched", true, "", R"(C:\)",
                 "GAME.BIN"}),
         R"(cartpipe   -f   -w C:\\GAME.BIN)", R"(cartpipe   -f   -w C:\\GAME.BIN)"},
        {dump({false, kDoubles, "No Double", "Port 1", "Bankswitched", false, "", false, "", "TEST",
               cart}),
         R"(cartpipe        -tTEST C:\DUMPS\CART.BIN)",
         R"(cartpipe        -tTEST C:\DUMPS\CART.BIN)"},
        {dump({true, kDoubles, "Double ", "Port 2", "Linear", true, "1F", true, "C000", "26F8",
               cart}),
         R"(cartpipe -a -d  -l2 -c1 -n1F -wC000 -t26F8 C:\DUMPS\CART.BIN)",
         R"(cartpipe -a -d  -l2 -c1 -n1F -wC000 -t26F8 C:\DUMPS\CART.BIN)"},
        {dump({false, kDoubles, "Reverse", "Port 3", "Highscore", false, "", true, "8000", "7832",
               R"(C:\My Dumps\cart one.a78)"}),
         R"(cartpipe  -r  -l3 -c2  -w8000 -t7832 C:\My Dumps\cart one.a78)",
         R"(cartpipe  -r  -l3 -c2  -w8000 -t7832 C:\My Dumps\cart one.a78)"},
        {dump({false, kDoubles, "No Double", "Port 1", "Bankswitched", true, "", false, "", "",
               cart}),
         R"(cartpipe      -n  -t C:\DUMPS\CART.BIN)", R"(cartpipe      -n  -t C:\DUMPS\CART.BIN)"},
        {upload({kDoubles, "No Double", false, "Port 1", "Bankswitched", false, "8000", roms, ""}),
         R"(cartpipe       C:\ROMS\)", R"(cartpipe       )"},
        {dump({true, kDoubles, "No Double", "Port 1", "Bankswitched", false, "1F", true, "c0 0",
               "zz9", R"(C:\DUMPS\)"}),
         R"(cartpipe -a      -wc0 0 -tzz9 C:\DUMPS\)",
         R"(cartpipe -a      -wc0 0 -tzz9 C:\DUMPS\)"},
        {dump({false, kDoubles, "", "", "", false, "", false, "", "26F8", "-rf.a78"}),
         R"(cartpipe        -t26F8 ./-rf.a78)", R"(cartpipe        -t26F8 ./-rf.a78)"},
    };
    for (const auto& example : examples) {
        SCOPED_TRACE(example.preview);
        EXPECT_EQ(example.commands.preview, example.preview);
        EXPECT_EQ(joinLine(kPreviewPrefix, example.commands.run, example.commands.run.file),
                  example.started);
    }
    // Without an interpreter to split the line, a value with a blank stays one argument.
    EXPECT_EQ(toolArguments(examples[9].commands.run),
              (std::vector<std::string>{"-a", "-wc0 0", "-tzz9", R"(C:\DUMPS\)"}));
}

// Catches a token for a near-miss text, and one taken from a fixed list instead of the combo's
// own items (Once, Twice, Back).
TEST(CommandLines, CombosGiveTheirTokenOnlyForTheirExactText) {
    const std::array<std::string, 3> kOwn = {"Once", "Twice", "Back"};
    const struct {
        std::array<std::string, 3> doubleItems;
        std::string doubleText, port, type;
        std::vector<std::string> tokens;  // double, port, type
    } rows[] = {
        {kDoubles, "Double", "port 2", "linear", {"", "", ""}},
        {kDoubles, "REVERSE", "Port 2 ", "", {"", "", ""}},
        {kOwn, "Twice", "Port 4", "Linear", {"-d", "", "-c1"}},
        {kOwn, "Back", "Port 2", "Highscore", {"-r", "-l2", "-c2"}},
        {kOwn, "Reverse", "", "", {"", "", ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.doubleText + '|' + row.port + '|' + row.type);
        UploadSnapshot up;
        DumpSnapshot down;
        up.doubleItems = down.doubleItems = row.doubleItems;
        up.options.doubleText = down.options.doubleText = row.doubleText;
        up.options.port = down.options.port = row.port;
        up.options.type = down.options.type = row.type;
        for (const auto& options : {composeUpload(up, "\\").options, composeDump(down).options}) {
            EXPECT_EQ(std::vector<std::string>({options.at(1), options.at(3), options.at(4)}),
                      row.tokens);
        }
    }
}

}  // namespace
}  // namespace quillon::command
