// The Windows launcher started for real through the system's cmd.exe (under
// wine when cross built) against a stand-in cartpipe.exe that records what it
// received, and the short form of real paths.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/launcher.h"

namespace quillon::platform {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;
using Status = LaunchOutcome::Status;

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path fromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

// The stand-in cartpipe.exe is built into a folder beside this program.
fs::path standInFolder() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path() / "stand-in";
}

// cmd /k waits for a user after the tool, and a test has none: every
// interpreter this program starts joins its job, which ends them all with it.
const bool kInterpretersEndWithUs = [] {
    const HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return ::AssignProcessToJobObject(job, ::GetCurrentProcess()) != 0;
}();

// A temporary folder that is, while the test runs, the working folder (where
// an injected command would leave its marker), with the stand-in tool first
// on PATH and its record file named in the environment. (_wputenv_s sets the
// system's environment that children inherit as well as the runtime's copy.)
class WindowsLauncherTest : public ::testing::Test {
protected:
    WindowsLauncherTest() {
        fs::create_directories(folder_);
        fs::current_path(folder_);
        searchFirst(standInFolder().wstring());
        ::_wputenv_s(L"QUILLON_TEST_RECORD", (folder_ / "record").c_str());
    }
    ~WindowsLauncherTest() override {
        ::_wputenv_s(L"PATH", searchPath_.c_str());
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(folder_, ignored);
    }

    // Puts `folders` in front of the system's own search path.
    void searchFirst(const std::wstring& folders) const {
        ::_wputenv_s(L"PATH", (folders + L";" + searchPath_).c_str());
    }

    // Starts `command` and waits (bounded) for the stand-in tool; what it
    // received, or nothing when it did not run.
    std::optional<Arguments> run(const command::TransferCommand& command) {
        fs::remove(folder_ / "record");
        const LaunchOutcome outcome = launcher_->start(command);
        EXPECT_EQ(outcome.status, Status::Started) << outcome.reason;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!fs::exists(folder_ / "record")) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return std::nullopt;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        std::stringstream record;
        record << std::ifstream(folder_ / "record", std::ios::binary).rdbuf();
        Arguments arguments;
        for (std::string argument; std::getline(record, argument, '\0');) {
            arguments.push_back(argument);
        }
        return arguments;
    }

    // A file whose short form is `length` characters long: the short form of
    // the test folder, then folders and a file whose names already are 8.3.
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

    const std::wstring searchPath_ = ::_wgetenv(L"PATH");
    const fs::path folder_ =
        fs::temp_directory_path() / ("quillon-platform-" + std::to_string(::GetCurrentProcessId()));
    std::unique_ptr<ToolLauncher> launcher_ = makeSystemLauncher();
};

// Commands as both pages compose them, and texts cmd.exe would act on, each
// reaching the tool as exactly one argument per field; a run that executed
// "echo>marker" would leave the marker in the working folder. A batch file in
// the tool's place re-reads the line with %*, where an unquoted & would end
// its command and start another.
TEST_F(WindowsLauncherTest, EachFieldReachesTheToolAsOneArgumentThroughCmd) {
    const struct {
        const char* what;
        command::TransferCommand command;
        Arguments arguments;
    } rows[] = {
        {"upload, blanks in the path",
         {{"", "-r", "-f", "-l2", "-c1", "-w8000"}, "C:\\My Roms\\Space Game.a78"},
         {"-r", "-f", "-l2", "-c1", "-w8000", "C:\\My Roms\\Space Game.a78"}},
        {"upload, empty write address and no short form", {{"", "", "", "", "", "-w"}, ""},
         {"-w", ""}},
        {"operators, separators, blanks, wildcards and a leading dash",
         {{"-tA&echo>marker", "-w1|echo>marker", "-n(x)^", "-t a;b,c=d ", "-t*?", "--help"},
          "C:\\a&echo>marker&\\-x.bin"},
         {"-tA&echo>marker", "-w1|echo>marker", "-n(x)^", "-t a;b,c=d ", "-t*?", "--help",
          "C:\\a&echo>marker&\\-x.bin"}},
        {"letters beyond ASCII and trailing backslashes",
         {{"-a", "", "", "", "", "-tÜnï日本", "-ta\\"}, "C:\\Ünï\\日本\\"},
         {"-a", "-tÜnï日本", "-ta\\", "C:\\Ünï\\日本\\"}},
    };
    const fs::path batchFolder = folder_ / "batch";
    for (const bool throughBatch : {false, true}) {
        if (throughBatch) {
            fs::create_directory(batchFolder);
            std::ofstream(batchFolder / "cartpipe.bat")
                << "@\"" << (standInFolder() / "cartpipe.exe").string() << "\" %*\r\n";
            searchFirst(batchFolder.wstring() + L";" + standInFolder().wstring());
        }
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(row.what) + (throughBatch ? ", through a batch file" : ""));
            EXPECT_EQ(run(row.command), row.arguments);
            EXPECT_FALSE(fs::exists(folder_ / "marker"));
        }
    }
}

TEST_F(WindowsLauncherTest, AFieldCmdCannotPassIsRefusedWithAReasonAndNothingRuns) {
    const LaunchOutcome outcome = launcher_->start(
        {{"", "", "", "", "", "", "", "-t\"&echo>marker&\""}, "C:\\DUMPS\\CART.BIN"});

    EXPECT_EQ(outcome.status, Status::Refused);
    EXPECT_NE(outcome.reason.find("cartridge code"), std::string::npos) << outcome.reason;
    EXPECT_FALSE(fs::exists(folder_ / "record"));
    EXPECT_FALSE(fs::exists(folder_ / "marker"));
}

// The upload page joins folder and file name the system's own way.
TEST_F(WindowsLauncherTest, FolderAndFileAreJoinedWithABackslash) {
    EXPECT_EQ(pathSeparator(), "\\");
}

// The short form must name the very file the long path names, up to the
// longest form the tool's buffer holds (163 characters and its NUL).
TEST_F(WindowsLauncherTest, ShortPathNamesTheSameFileWhileItFits) {
    const fs::path rom = folder_ / "My Roms" / "Space Game.a78";
    fs::create_directories(rom.parent_path());
    std::ofstream(rom) << "rom";
    const std::string shortForm = launcher_->shortPath(utf8(rom));
    ASSERT_FALSE(shortForm.empty());
    EXPECT_TRUE(fs::equivalent(fromUtf8(shortForm), rom)) << shortForm;

    const fs::path longest = fileWithShortFormOf(163);
    const std::string longestForm = launcher_->shortPath(utf8(longest));
    EXPECT_EQ(longestForm.size(), 163u) << longestForm;
    EXPECT_TRUE(fs::equivalent(fromUtf8(longestForm), longest)) << longestForm;

    EXPECT_EQ(launcher_->shortPath(utf8(fileWithShortFormOf(164))), "");
}

// A path without a short form gives "", as a missing ROM does, so that the
// run line ends in an empty quoted argument rather than in another path.
TEST_F(WindowsLauncherTest, ShortPathIsEmptyWhereThereIsNone) {
    EXPECT_EQ(launcher_->shortPath(utf8(folder_ / "gone.bin")), "");
    EXPECT_EQ(launcher_->shortPath(""), "");

    BOOL usedDefault = FALSE;
    char ansi[16] = {};
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"日本", -1, ansi, sizeof ansi, nullptr,
                          &usedDefault);
    if (!usedDefault) {
        GTEST_SKIP() << "this system's ANSI code page can write the name";
    }
    const fs::path unwritable = folder_ / L"日本" / "game.bin";
    fs::create_directories(unwritable.parent_path());
    std::ofstream(unwritable) << "rom";
    EXPECT_EQ(launcher_->shortPath(utf8(unwritable)), "");
}

}  // namespace
}  // namespace quillon::platform
