// The Windows launcher started for real through cmd.exe against a recording cartpipe.exe.
#include <chrono>
#include <memory>
#include <optional>

#include "hostile_texts.h"
#include "platform/launcher.h"
#include "stand_in_test.h"

namespace quillon::platform {
namespace {

using Status = LaunchOutcome::Status;

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path fromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

class WindowsLauncherTest : public StandInTest {
protected:
    // Starts `command`; what the stand-in tool received, or nothing within 20 s.
    std::optional<Arguments> run(const command::TransferCommand& command) {
        fs::remove(folder_ / "record");
        const LaunchOutcome outcome = settle(*launcher_->start(command));
        EXPECT_EQ(outcome.status, Status::Started) << outcome.reason;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (; !fs::exists(folder_ / "record"); Sleep(20)) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return std::nullopt;
            }
        }
        return record();
    }

    // A file whose short form is `length` long: the folder's, then names already 8.3.
    fs::path fileWithShortFormOf(std::size_t length) const {
        const std::string base = launcher_->shortPath(utf8(folder_));
        EXPECT_LT(base.size() + 11, length) << base;
        fs::path path = folder_;
        std::size_t rest = length - base.size();
        for (; rest > 10; rest -= 9) {
            path /= "D" + std::to_string(rest).append(7 - std::to_string(rest).size(), 'X');
        }
        fs::create_directories(path);
        path /= rest <= 9 ? std::string(rest - 1, 'F') : std::string(rest - 5, 'F') + ".TXT";
        std::ofstream(path) << "rom";
        return path;
    }

    std::unique_ptr<ToolLauncher> launcher_ = makeSystemLauncher();
};

// Catches a field split, altered or run by cmd.exe, also by a batch file re-reading it with %*,
// and a field cmd.exe cannot pass started instead of refused with the reason for the user.
TEST_F(WindowsLauncherTest, EachFieldReachesTheToolAsOneArgumentThroughCmd) {
    std::vector<command::TransferCommand> commands = {
        {{"", "-r", "-f", "-l2", "-c1", "-w8000"}, "C:\\My Roms\\Space Game.a78"}};
    // Four texts a command (bank, write address, code, file): each start costs wine a second.
    std::vector<std::string> texts;
    for (const HostileText& hostile : kHostileTexts) {
        if (!hostile.refusedOnWindows && ansiHolds(hostile.text)) {
            texts.push_back(hostile.text);
        }
    }
    for (std::size_t at = 0; at < texts.size(); at += 4) {
        const auto text = [&](std::size_t offset) { return texts[(at + offset) % texts.size()]; };
        commands.push_back(
            {{"", "", "", "", "", "-n" + text(0), "-w" + text(1), "-t" + text(2)}, text(3)});
    }
    for (const bool throughBatch : {false, true}) {
        if (throughBatch) {
            fs::create_directory(folder_ / "batch");
            std::ofstream(folder_ / "batch" / "cartpipe.bat")
                << "@\"" << (standInFolder() / "cartpipe.exe").string() << "\" %*\r\n";
            searchFirst((folder_ / "batch").wstring() + L";" + standInFolder().wstring());
        }
        for (const command::TransferCommand& command : commands) {
            SCOPED_TRACE(command.file + (throughBatch ? ", through a batch file" : ""));
            EXPECT_EQ(run(command), command::toolArguments(command));
            EXPECT_FALSE(fs::exists(folder_ / "marker"));
        }
    }
    fs::remove(folder_ / "record");
    const LaunchOutcome refused =
        settle(*launcher_->start({{"-t\"&echo>marker&\""}, "C:\\CART.BIN"}));
    EXPECT_EQ(refused.status, Status::Refused);
    EXPECT_NE(refused.reason.find("cartridge code"), std::string::npos) << refused.reason;
    EXPECT_FALSE(fs::exists(folder_ / "record") || fs::exists(folder_ / "marker"));
}

// Catches a command.com that cannot start hiding cmd.exe (a 16-bit program on 64-bit Windows).
TEST_F(WindowsLauncherTest, ACommandComThatCannotStartGivesWayToCmd) {
    const fs::path commandCom = "C:\\Windows\\command.com";
    if (fs::exists(commandCom) || !(std::ofstream(commandCom) << "not a program")) {
        GTEST_SKIP() << "command.com cannot be put in place here";
    }
    const auto arguments = run({{"", "-r"}, "C:\\CART.BIN"});
    fs::remove(commandCom);
    EXPECT_EQ(arguments, Arguments({"-r", "C:\\CART.BIN"}));
}

// Catches a short form naming another file, given past 163 characters or where none exists, or
// none for a path longer than 260 characters (whose short form fits).
TEST_F(WindowsLauncherTest, ShortPathNamesTheSameFileOrIsEmpty) {
    fs::path deep = folder_;
    for (int level = 0; level < 10; ++level) {
        deep /= "a folder with a long name";
    }
    const fs::path rom = folder_ / "My Roms" / "Space Game.a78", longest = fileWithShortFormOf(163);
    for (const fs::path& path : {rom, deep / "Space Game.a78"}) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "rom";
    }
    EXPECT_GT(utf8(deep).size(), 260u);
    for (const fs::path& path : {rom, longest, deep / "Space Game.a78"}) {
        const std::string shortForm = launcher_->shortPath(utf8(path));
        EXPECT_TRUE(!shortForm.empty() && fs::equivalent(fromUtf8(shortForm), path)) << shortForm;
    }
    EXPECT_EQ(launcher_->shortPath(utf8(longest)).size(), 163u);
    const fs::path unwritable = folder_ / L"日本" / "game.bin";
    fs::create_directories(unwritable.parent_path());
    std::ofstream(unwritable) << "rom";
    BOOL usedDefault = FALSE;  // whether this system's ANSI code page cannot write the name
    char ansi[16] = {};
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"日本", -1, ansi, sizeof ansi, nullptr,
                          &usedDefault);
    for (const fs::path& path : {fileWithShortFormOf(164), folder_ / "gone.bin", fs::path(),
                                 usedDefault ? unwritable : fs::path()}) {
        EXPECT_EQ(launcher_->shortPath(utf8(path)), "") << utf8(path);
    }
}

}  // namespace
}  // namespace quillon::platform
