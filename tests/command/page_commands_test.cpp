// The command lines of both pages, character for character and over many page states.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "command/option_lists.h"
#include "command/page_commands.h"
#include "command/transfer_command.h"

namespace quillon::command {
namespace {

const std::array<std::string, 3> kDoubles = {"No Double", "Double ", "Reverse"};

// The system's short-path lookup: it knows these paths and has no short form for any other.
std::string shortPath(const std::string& path) {
    static const std::map<std::string, std::string> known = {
        {R"(C:\ROMS\GAME.BIN)", R"(C:\ROMS\GAME.BIN)"},
        {R"(C:\My Roms\Space Game.a78)", R"(C:\MYROMS~1\SPACEG~1.A78)"},
        {R"(C:\\GAME.BIN)", R"(C:\\GAME.BIN)"},
    };
    const auto found = known.find(path);
    return found == known.end() ? std::string() : found->second;
}

// The command a page previews and the one it runs.
using Commands = std::pair<TransferCommand, TransferCommand>;

Commands upload(const UploadSnapshot& page) {
    return {composeUpload(page, "\\"), uploadForRun(page, "\\", shortPath)};
}

Commands dump(const DumpSnapshot& page) {
    return {composeDump(page), composeDump(page)};
}

// Snapshot fields in declaration order:
//   upload: double list, double, fast, port, type, write on, address, folder, file;
//   dump: alternate, double list, double, port, type, bank on, bank, write on, address, code,
//   destination.
struct Example {
    Commands commands;
    std::string preview;
    std::string run;
};

// The documented lines, then the edges: a value ignored while its box is clear, no file
// selected with no short form, a value taken as it stands, a destination that is a folder.
TEST(CommandLines, MatchTheWorkedExamples) {
    const std::string roms = R"(C:\ROMS)", cart = R"(C:\DUMPS\CART.BIN)";
    const std::vector<Example> examples = {
        {upload({kDoubles, "No Double", false, "Port 1", "Bankswitched", false, "", roms,
                 "GAME.BIN"}),
         R"(cartpipe       C:\ROMS\GAME.BIN)",
         R"(C:\Windows\command.com /k cartpipe       "C:\ROMS\GAME.BIN")"},
        {upload({kDoubles, "Reverse", true, "Port 2", "Linear", true, "8000", roms, "GAME.BIN"}),
         R"(cartpipe  -r -f -l2 -c1 -w8000 C:\ROMS\GAME.BIN)",
         R"(C:\Windows\command.com /k cartpipe  -r -f -l2 -c1 -w8000 "C:\ROMS\GAME.BIN")"},
        {upload({kDoubles, "Double ", false, "Port 3", "Highscore", false, "", R"(C:\My Roms)",
                 "Space Game.a78"}),
         R"(cartpipe  -d  -l3 -c2  C:\My Roms\Space Game.a78)",
         R"(C:\Windows\command.com /k cartpipe  -d  -l3 -c2  "C:\MYROMS~1\SPACEG~1.A78")"},
        {upload({kDoubles, "No Double", true, "Port 1", "Bankswitched", true, "", R"(C:\)",
                 "GAME.BIN"}),
         R"(cartpipe   -f   -w C:\\GAME.BIN)",
         R"(C:\Windows\command.com /k cartpipe   -f   -w "C:\\GAME.BIN")"},
        {dump({false, kDoubles, "No Double", "Port 1", "Bankswitched", false, "", false, "",
               "TEST", cart}),
         R"(cartpipe        -tTEST C:\DUMPS\CART.BIN)",
         R"(C:\Windows\command.com /k cartpipe        -tTEST "C:\DUMPS\CART.BIN")"},
        {dump({true, kDoubles, "Double ", "Port 2", "Linear", true, "1F", true, "C000", "26F8",
               cart}),
         R"(cartpipe -a -d  -l2 -c1 -n1F -wC000 -t26F8 C:\DUMPS\CART.BIN)",
         R"(C:\Windows\command.com /k cartpipe -a -d  -l2 -c1 -n1F -wC000 -t26F8 )"
         R"("C:\DUMPS\CART.BIN")"},
        {dump({false, kDoubles, "Reverse", "Port 3", "Highscore", false, "", true, "8000", "7832",
               R"(C:\My Dumps\cart one.a78)"}),
         R"(cartpipe  -r  -l3 -c2  -w8000 -t7832 C:\My Dumps\cart one.a78)",
         R"(C:\Windows\command.com /k cartpipe  -r  -l3 -c2  -w8000 -t7832 )"
         R"("C:\My Dumps\cart one.a78")"},
        {dump({false, kDoubles, "No Double", "Port 1", "Bankswitched", true, "", false, "", "",
               cart}),
         R"(cartpipe      -n  -t C:\DUMPS\CART.BIN)",
         R"(C:\Windows\command.com /k cartpipe      -n  -t "C:\DUMPS\CART.BIN")"},
        {upload({kDoubles, "No Double", false, "Port 1", "Bankswitched", false, "8000", roms, ""}),
         R"(cartpipe       C:\ROMS\)",
         R"(C:\Windows\command.com /k cartpipe       "")"},
        {dump({true, kDoubles, "No Double", "Port 1", "Bankswitched", false, "1F", true, "c0 0",
               "zz9", R"(C:\DUMPS\)"}),
         R"(cartpipe -a      -wc0 0 -tzz9 C:\DUMPS\)",
         R"(C:\Windows\command.com /k cartpipe -a      -wc0 0 -tzz9 "C:\DUMPS\")"},
    };
    for (const Example& example : examples) {
        SCOPED_TRACE(example.preview);
        EXPECT_EQ(renderPreviewLine(example.commands.first), example.preview);
        EXPECT_EQ(renderRunLine(example.commands.second), example.run);
    }
    // Without an interpreter to split the line, a value with a blank stays one argument.
    EXPECT_EQ(toolArguments(examples.back().commands.first),
              (std::vector<std::string>{"-a", "-wc0 0", "-tzz9", R"(C:\DUMPS\)"}));
}

// A combo gives no token for a text that differs from its item in case or blanks, and each item
// the window lists gives its own. The double combo goes by its page's own list: 'D' is a page
// whose list reads Once, Twice, Back.
TEST(CommandLines, CombosGiveTheirTokenOnlyForTheirExactText) {
    struct Row {
        char combo;  // 'd'/'D' double, 'p' port, 't' type
        std::string text;
        std::string token;
    };
    const std::vector<Row> rows = {
        {'d', "Double", ""},  {'d', "double ", ""},  {'d', " Reverse", ""}, {'d', "REVERSE", ""},
        {'D', "Twice", "-d"}, {'D', "Back", "-r"},   {'D', "Double ", ""},  {'D', "Reverse", ""},
        {'p', "port 2", ""},  {'p', "Port 2 ", ""},  {'p', "Port 4", ""},   {'p', "", ""},
        {'t', "linear", ""},  {'t', "HighScore", ""}, {'t', "", ""},
    };
    const auto set = [](auto& page, const Row& row) {
        page.doubleItems = row.combo == 'D' ? std::array<std::string, 3>{"Once", "Twice", "Back"}
                                            : kDoubles;
        (row.combo == 'p' ? page.port : row.combo == 't' ? page.type : page.doubleText) = row.text;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(1, row.combo) + " \"" + row.text + '"');
        const std::size_t field = row.combo == 'p' ? 3 : row.combo == 't' ? 4 : 1;
        UploadSnapshot up;
        DumpSnapshot down;
        set(up, row);
        set(down, row);
        EXPECT_EQ(composeUpload(up, "\\").options.at(field), row.token);
        EXPECT_EQ(composeDump(down).options.at(field), row.token);
    }
    // Each item the window lists gives its token: the lists and the composition agree.
    const std::array<std::string, 3> tokens = {"", "-d-l2-c1", "-r-l3-c2"};
    for (std::size_t i = 0; i < 3; ++i) {
        const UploadSnapshot page{kDoubles, std::string(kDoubleModes[i]), false,
                                  std::string(kPorts[i]), std::string(kCartridgeTypes[i]),
                                  false, "", "", ""};
        const std::vector<std::string> options = composeUpload(page, "\\").options;
        EXPECT_EQ(options[1] + options[3] + options[4], tokens[i]) << "item " << i;
    }
}

// The option part of a line: what lies between its prefix and its file argument.
std::string optionPart(const std::string& line, std::string_view prefix,
                       const std::string& file) {
    EXPECT_TRUE(line.starts_with(prefix) && line.ends_with(file)) << line;
    return line.substr(prefix.size(), line.size() - prefix.size() - file.size());
}

// Both lines carry the same option part with one blank per field, and the tool receives the
// words of that part followed by the file argument, even an empty one.
void expectConsistent(const Commands& commands, std::size_t fields) {
    const auto& [previewed, run] = commands;
    const std::string options = optionPart(renderPreviewLine(previewed), kPreviewPrefix,
                                           previewed.file);
    EXPECT_EQ(optionPart(renderRunLine(run), kRunPrefix, '"' + run.file + '"'), options);
    EXPECT_EQ(static_cast<std::size_t>(std::ranges::count(options, ' ')), fields) << options;
    std::istringstream words(options);
    std::vector<std::string> expected{std::istream_iterator<std::string>(words), {}};
    expected.push_back(previewed.file);
    EXPECT_EQ(toolArguments(previewed), expected) << options;
}

// Every combination of listed, near-miss and empty texts, boxes on and off, on both pages.
TEST(CommandLines, PreviewAndRunDifferOnlyInPrefixAndFile) {
    const std::vector<std::string> doubles = {"No Double", "Double ", "Reverse", "Double", ""};
    const std::vector<std::string> ports = {"Port 1", "Port 2", "Port 3", "port 2"};
    const std::vector<std::string> types = {"Bankswitched", "Linear", "Highscore", "linear"};
    const std::vector<std::string> hex = {"", "C000"}, codes = {"TEST", "26F8", ""};
    const std::vector<std::string> destinations = {R"(C:\My Dumps\cart one.a78)", ""};
    const std::array<bool, 2> offOn = {false, true};
    // The upload page reads only the first six picks: it is checked once for each of theirs.
    const std::size_t uploadCombinations = 5 * 4 * 4 * 2 * 2 * 2;
    const std::size_t combinations = uploadCombinations * 3 * 2 * 2 * 2;
    for (std::size_t i = 0; i < combinations; ++i) {
        std::size_t digits = i;  // mixed-radix: each list takes the next digit
        const auto pick = [&digits](const auto& list) {
            const auto& item = list[digits % list.size()];
            digits /= list.size();
            return item;
        };
        const std::string doubleText = pick(doubles), port = pick(ports), type = pick(types);
        const bool flag = pick(offOn), writeOn = pick(offOn);
        const std::string write = pick(hex);
        const std::string code = pick(codes), destination = pick(destinations);
        const bool bankOn = pick(offOn);
        const std::string bank = pick(hex).substr(0, 2);
        SCOPED_TRACE("combination " + std::to_string(i));
        if (i < uploadCombinations) {
            expectConsistent(upload({kDoubles, doubleText, flag, port, type, writeOn, write,
                                     R"(C:\My Roms)", "Space Game.a78"}),
                             6);
        }
        expectConsistent(dump({flag, kDoubles, doubleText, port, type, bankOn, bank, writeOn,
                               write, code, destination}),
                         8);
    }
}

}  // namespace
}  // namespace quillon::command
