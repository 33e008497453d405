// What a user could type, paste or name on Windows to make the tool receive other text than the
// window shows, or run another program in its place: started for real through cmd.exe against a
// cartpipe.exe built as the real tool is, with a plain main().
#include <chrono>
#include <memory>
#include <optional>

#include "platform/launcher.h"
#include "stand_in_test.h"

namespace quillon::platform {
namespace {

using Status = LaunchOutcome::Status;
constexpr std::size_t kFacts = 3;  // the ANSI stand-in's command line, gate and PATH

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path fromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string contents(const fs::path& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

class HostileInputTest : public StandInTest {
protected:
    HostileInputTest() { searchFirst((standInFolder().parent_path() / "stand-in-ansi").wstring()); }

    // Starts `command`: its outcome, and the record of a tool it started (empty when none
    // came within 20 s).
    std::pair<LaunchOutcome, Arguments> launch(const command::TransferCommand& command) {
        fs::remove(folder_ / "record");
        const LaunchOutcome outcome = settle(*launcher_->start(command));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (outcome.status == Status::Started && !fs::exists(folder_ / "record") &&
               std::chrono::steady_clock::now() < deadline) {
            Sleep(20);
        }
        return {outcome, fs::exists(folder_ / "record") ? record() : Arguments{}};
    }

    std::unique_ptr<ToolLauncher> launcher_ = makeSystemLauncher();
};

std::string joined(const Arguments& arguments) {
    std::string text;
    for (const std::string& argument : arguments) text += "[" + argument + "]";
    return text;
}

// Catches a character the ANSI code page lacks passed on, for the system to turn into a
// look-alike (another file, a quote that splits the field, a dash that makes the path an option)
// or a "?", instead of refused by its field and its number. Where the code page is UTF-8 every
// row reaches the tool unchanged.
TEST_F(HostileInputTest, LookAlikesAreRefusedBeforeTheSystemChangesThem) {
    const struct {
        std::string field, destination;
        std::string where, number;
    } rows[] = {
        {"-tTEST", "C:\\work\\ｘ.a78", "file path", "U+FF58"},
        {"-tTEST", "－rf.a78", "file path", "U+FF0D"},
        {"-t＂ -a ＂", "C:\\work\\cart.a78", "cartridge code", "U+FF02"},
        {"-tTEST", "x.a78＂ -w1234 ＂y.a78", "file path", "U+FF02"},
        {"-tTEST", "C:\\work＼..＼cart.a78", "file path", "U+FF3C"},
        {"-w８０００", "cart.a78", "write address", "U+FF18"},
        {"-tTEST", "カート.a78", "file path", "U+30AB"},
        {"-tTEST", "cart😀.a78", "file path", "U+1F600"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field + " " + row.destination);
        const command::TransferCommand command = {{"", "-r", "", "", "", row.field},
                                                  row.destination};
        const auto [outcome, received] = launch(command);
        if (::GetACP() == CP_UTF8) {
            EXPECT_EQ(outcome.status, Status::Started) << outcome.reason;
            EXPECT_EQ(Arguments(received.begin() + kFacts, received.end()),
                      command::toolArguments(command));
            continue;
        }
        EXPECT_EQ(outcome.status, Status::Refused) << "the tool received " << joined(received);
        EXPECT_NE(outcome.reason.find("The " + row.where + " holds"), std::string::npos)
            << outcome.reason;
        EXPECT_NE(outcome.reason.find(row.number), std::string::npos) << outcome.reason;
    }
}

// Catches a line longer than cmd.exe reads started, where nothing would run and nothing say so.
TEST_F(HostileInputTest, ALineTooLongForTheInterpreterIsRefusedAsSuch) {
    const auto [outcome, received] =
        launch({{"", "-r", "", "", "", "-tTEST"}, "C:\\" + std::string(8200, 'd') + ".a78"});
    EXPECT_EQ(outcome.status, Status::Refused) << "the tool received " << joined(received);
    EXPECT_NE(outcome.reason.find("too long"), std::string::npos) << outcome.reason;
}

// Catches the interpreter left free to take a cartpipe from the folder the user started in, and
// this program's folder (where cartpipe.exe is installed beside quillon.exe) not searched first.
TEST_F(HostileInputTest, TheToolLooksInThisProgramsFolderFirstAndNeverInTheCurrentOne) {
    const auto [outcome, received] = launch({{"-tTEST"}, "cart.a78"});
    ASSERT_EQ(outcome.status, Status::Started) << outcome.reason;
    ASSERT_GT(received.size(), kFacts);
    EXPECT_NE(received[1], "<unset>");
    EXPECT_EQ(received[2].substr(0, received[2].find(';')), utf8(standInFolder().parent_path()));
}

// Catches a cartpipe.bat in the start folder run in place of the cartpipe.exe on PATH.
TEST_F(HostileInputTest, ABatchFileInTheStartFolderIsNotTakenForTheTool) {
    // A start folder of its own, which also holds the batch file's marker: the interpreter left
    // at its prompt keeps the folder from being removed until this program ends (and a removal
    // that meets it may stop before the files beside it), and no other test looks there.
    const fs::path start = folder_ / "start";
    const fs::path marker = start / "marker";
    fs::create_directory(start);
    fs::remove(marker);  // left by an earlier run whose interpreter held the folder
    fs::current_path(start);
    std::ofstream(start / "cartpipe.bat") << "@echo taken>\"" << utf8(marker) << "\"\r\n";
    const auto [outcome, received] = launch({{"-tTEST"}, "cart.a78"});
    EXPECT_EQ(outcome.status, Status::Started) << outcome.reason;
    if (fs::exists(marker) && received.empty()) {
        // The interpreter itself ignores the variable: then nothing of ours can keep it away.
        std::ofstream(start / "probe.bat") << "@echo ran>probe-ran\r\n";
        ::_wputenv_s(L"NoDefaultCurrentDirectoryInExePath", L"1");
        ::_wsystem(L"probe");
        ::_wputenv_s(L"NoDefaultCurrentDirectoryInExePath", L"");
        if (fs::exists(start / "probe-ran")) {
            GTEST_SKIP() << "this system's cmd.exe takes programs from its current folder "
                            "whatever NoDefaultCurrentDirectoryInExePath says (wine's does)";
        }
    }
    EXPECT_FALSE(fs::exists(marker));
    EXPECT_GT(received.size(), kFacts);
}

// Catches a short form given that opens another file than the one listed: a file named
// literally like the listed file's short form, or the folder "trail" for the folder "trail "
// (a plain path loses the blank).
TEST_F(HostileInputTest, AShortFormThatOpensAnotherFileIsNotGiven) {
    // The short name the system makes for the name, taken in a folder of its own; then a file
    // named so literally, made before the file it is the short name of.
    fs::create_directories(folder_ / "probe");
    std::ofstream(folder_ / "probe" / "Space Game.a78") << "probe";
    const std::string probe = launcher_->shortPath(utf8(folder_ / "probe" / "Space Game.a78"));
    ASSERT_NE(probe, "");
    fs::create_directories(folder_ / "literal");
    std::ofstream(folder_ / "literal" / fromUtf8(probe).filename()) << "beside";
    std::ofstream(folder_ / "literal" / "Space Game.a78") << "listed";
    // Made and removed by its "\\?\" form: by a plain path it would be "trail".
    const std::wstring trail = L"\\\\?\\" + (folder_ / "trail ").wstring();
    ::CreateDirectoryW(trail.c_str(), nullptr);
    std::ofstream(fs::path(trail + L"\\Space Game.a78")) << "listed";
    fs::create_directories(folder_ / "trail");
    std::ofstream(folder_ / "trail" / "Space Game.a78") << "beside";
    for (const std::string& listed : {utf8(folder_ / "literal" / "Space Game.a78"),
                                      utf8(folder_) + "\\trail \\Space Game.a78"}) {
        const std::string shortForm = launcher_->shortPath(listed);
        EXPECT_TRUE(shortForm.empty() || contents(fromUtf8(shortForm)) == "listed")
            << listed << " -> " << shortForm;
    }
    ::DeleteFileW((trail + L"\\Space Game.a78").c_str());
    ::RemoveDirectoryW(trail.c_str());
}

}  // namespace
}  // namespace quillon::platform
