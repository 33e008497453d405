// The joining rule and the option fields, over many page states.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "command/page_commands.h"
#include "command/transfer_command.h"
#include "page_fixtures.h"

namespace quillon::command {
namespace {

using testing::freshDumpPage;
using testing::freshUploadPage;

// The option part of a line: between the prefix and the file argument.
std::string_view optionPart(std::string_view line, std::string_view prefix,
                            std::string_view fileArgument) {
    EXPECT_TRUE(line.starts_with(prefix)) << line;
    EXPECT_TRUE(line.ends_with(fileArgument)) << line;
    return line.substr(prefix.size(), line.size() - prefix.size() - fileArgument.size());
}

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

// What every page state must satisfy, whatever its options: both lines carry
// the same option part, one blank per field, and the tool receives exactly
// the words of that part followed by the file argument.
void expectConsistentLines(const TransferCommand& previewed, const TransferCommand& run,
                           std::size_t optionFields) {
    const std::string preview = renderPreviewLine(previewed);
    const std::string runLine = renderRunLine(run);
    const std::string_view previewOptions = optionPart(preview, kPreviewPrefix, previewed.file);
    const std::string_view runOptions = optionPart(runLine, kRunPrefix, '"' + run.file + '"');

    EXPECT_EQ(previewOptions, runOptions) << preview;
    EXPECT_EQ(static_cast<std::size_t>(std::ranges::count(previewOptions, ' ')), optionFields)
        << preview;

    std::vector<std::string> expected = wordsOf(previewOptions);
    expected.push_back(previewed.file);
    EXPECT_EQ(toolArguments(previewed), expected) << preview;
}

const std::vector<std::string> kDoubleTexts = {"No Double", "Double ", "Reverse", "Double", ""};
const std::vector<std::string> kPortTexts = {"Port 1", "Port 2", "Port 3", "port 2"};
const std::vector<std::string> kTypeTexts = {"Bankswitched", "Linear", "Highscore", "linear"};
struct HexText {
    bool on;
    std::string text;
};
const std::vector<HexText> kHexTexts = {{false, ""}, {false, "C000"}, {true, ""}, {true, "8000"}};

TEST(UploadCommandLines, PreviewAndRunDifferOnlyInPrefixAndFile) {
    const PathShortener shortPath = [](const std::string&) { return std::string("C:\\G~1.BIN"); };
    for (const std::string& doubleText : kDoubleTexts) {
        for (bool fast : {false, true}) {
            for (const std::string& port : kPortTexts) {
                for (const std::string& type : kTypeTexts) {
                    for (const HexText& write : kHexTexts) {
                        UploadSnapshot page = freshUploadPage();
                        page.doubleText = doubleText;
                        page.fast = fast;
                        page.port = port;
                        page.type = type;
                        page.writeOn = write.on;
                        page.writeAddress = write.text;
                        page.folder = R"(C:\ROMS)";
                        page.fileName = "GAME.BIN";
                        expectConsistentLines(composeUpload(page, "\\"),
                                              uploadForRun(page, "\\", shortPath), 6);
                    }
                }
            }
        }
    }
}

TEST(DumpCommandLines, PreviewAndRunDifferOnlyInPrefixAndFile) {
    for (bool alternate : {false, true}) {
        for (const std::string& doubleText : kDoubleTexts) {
            for (const std::string& port : kPortTexts) {
                for (const std::string& type : kTypeTexts) {
                    for (const HexText& bank : kHexTexts) {
                        for (const HexText& write : kHexTexts) {
                            for (const char* code : {"TEST", "26F8", ""}) {
                                DumpSnapshot page = freshDumpPage();
                                page.alternate = alternate;
                                page.doubleText = doubleText;
                                page.port = port;
                                page.type = type;
                                page.bankOn = bank.on;
                                page.bank = bank.text.substr(0, 2);
                                page.writeOn = write.on;
                                page.writeAddress = write.text;
                                page.code = code;
                                page.destination = R"(C:\My Dumps\cart one.a78)";
                                const TransferCommand command = composeDump(page);
                                expectConsistentLines(command, command, 8);
                            }
                        }
                    }
                }
            }
        }
    }
}

// Text of a combo box, and the field it must give, on either page.
struct ComboCase {
    std::string text;
    std::string field;
};

TEST(CommandFields, CombosGiveTheirTokenOnlyForExactTexts) {
    const std::vector<ComboCase> doubles = {
        {"No Double", ""}, {"Double ", "-d"}, {"Reverse", "-r"},    {"Double", ""},
        {"double ", ""},   {" Reverse", ""},  {"REVERSE", ""},      {"", ""},
    };
    const std::vector<ComboCase> ports = {
        {"Port 1", ""}, {"Port 2", "-l2"}, {"Port 3", "-l3"}, {"port 2", ""},
        {"Port 2 ", ""}, {"Port 4", ""},   {"2", ""},         {"", ""},
    };
    const std::vector<ComboCase> types = {
        {"Bankswitched", ""}, {"Linear", "-c1"}, {"Highscore", "-c2"},
        {"linear", ""},       {"HighScore", ""}, {"", ""},
    };
    constexpr std::size_t kDoubleField = 1, kPortField = 3, kTypeField = 4;

    for (const ComboCase& c : doubles) {
        UploadSnapshot up = freshUploadPage();
        DumpSnapshot down = freshDumpPage();
        up.doubleText = down.doubleText = c.text;
        EXPECT_EQ(composeUpload(up, "\\").options[kDoubleField], c.field) << '"' << c.text << '"';
        EXPECT_EQ(composeDump(down).options[kDoubleField], c.field) << '"' << c.text << '"';
    }
    for (const ComboCase& c : ports) {
        UploadSnapshot up = freshUploadPage();
        DumpSnapshot down = freshDumpPage();
        up.port = down.port = c.text;
        EXPECT_EQ(composeUpload(up, "\\").options[kPortField], c.field) << '"' << c.text << '"';
        EXPECT_EQ(composeDump(down).options[kPortField], c.field) << '"' << c.text << '"';
    }
    for (const ComboCase& c : types) {
        UploadSnapshot up = freshUploadPage();
        DumpSnapshot down = freshDumpPage();
        up.type = down.type = c.text;
        EXPECT_EQ(composeUpload(up, "\\").options[kTypeField], c.field) << '"' << c.text << '"';
        EXPECT_EQ(composeDump(down).options[kTypeField], c.field) << '"' << c.text << '"';
    }
}

TEST(CommandFields, DoubleFollowsThePagesOwnListByPosition) {
    const std::vector<ComboCase> cases = {
        {"Once", ""}, {"Twice", "-d"}, {"Back", "-r"}, {"Double ", ""}, {"Reverse", ""}};
    for (const ComboCase& c : cases) {
        UploadSnapshot up = freshUploadPage();
        DumpSnapshot down = freshDumpPage();
        up.doubleItems = down.doubleItems = {"Once", "Twice", "Back"};
        up.doubleText = down.doubleText = c.text;
        EXPECT_EQ(composeUpload(up, "\\").options[1], c.field) << c.text;
        EXPECT_EQ(composeDump(down).options[1], c.field) << c.text;
    }
}

TEST(CommandFields, PageSpecificFieldsAndTheFileArgument) {
    UploadSnapshot up = freshUploadPage();
    up.writeOn = false;
    up.writeAddress = "8000";  // ignored while the box is clear
    up.folder = "/home/ann/roms";
    up.fileName = "";
    const TransferCommand upload = composeUpload(up, "/");
    EXPECT_EQ(upload.options, (std::vector<std::string>{"", "", "", "", "", ""}));
    EXPECT_EQ(upload.file, "/home/ann/roms/");

    DumpSnapshot down = freshDumpPage();
    down.alternate = true;
    down.bankOn = false;
    down.bank = "1F";
    down.writeOn = true;
    down.writeAddress = "c0 0";  // taken as it stands, blanks and case included
    down.code = "zz9";           // any text, listed or not
    down.destination = R"(C:\DUMPS\)";
    const TransferCommand dump = composeDump(down);
    EXPECT_EQ(dump.options,
              (std::vector<std::string>{"-a", "", "", "", "", "", "-wc0 0", "-tzz9"}));
    EXPECT_EQ(dump.file, R"(C:\DUMPS\)");
    EXPECT_EQ(toolArguments(dump),
              (std::vector<std::string>{"-a", "-wc0 0", "-tzz9", R"(C:\DUMPS\)"}));
}

TEST(CommandFields, EmptyFileArgumentIsStillPassedToTheTool) {
    const TransferCommand command{{"", "-d", ""}, ""};
    EXPECT_EQ(toolArguments(command), (std::vector<std::string>{"-d", ""}));
    EXPECT_EQ(renderPreviewLine(command), "cartpipe  -d  ");
    EXPECT_EQ(renderRunLine(command), R"(C:\Windows\command.com /k cartpipe  -d  "")");
}

}  // namespace
}  // namespace quillon::command
