// The copied line run by this system's own shell (sh -c, or cmd /c on Windows) against the
// recording stand-in tool, which must receive what the launcher would pass.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/copy_line.h"
#ifdef _WIN32
#include <windows.h>

#include "platform/cmd_line_win32.h"
#include "platform/wide_text_win32.h"
#else
#include <unistd.h>

#include "platform/launcher.h"
#endif

namespace quillon::platform {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

#ifdef _WIN32
constexpr bool kWindows = true;
constexpr std::size_t kFactsBeforeArguments = 0;
const fs::path kFolder =
    fs::temp_directory_path() / ("quillon-copy-line-" + std::to_string(::GetCurrentProcessId()));

const std::wstring kSearchPath = ::_wgetenv(L"PATH");

// The stand-in cartpipe.exe is built into a folder beside this program; _wputenv_s, not the
// CRT's narrow copy, is what the shell started by _wsystem inherits.
void putStandInOnPath() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring standIn = fs::path(self).parent_path() / "stand-in";
    ::_wputenv_s(L"PATH", (standIn + L";" + kSearchPath).c_str());
    ::_wputenv_s(L"QUILLON_TEST_RECORD", (kFolder / "record").c_str());
}
int runInShell(const std::string& line) {
    return ::_wsystem(toWide(line).value_or(L"exit 9").c_str());
}
std::string launcherRefusal(const command::TransferCommand& command) {
    return interpreterLine(kCommandCom, command).refusal;
}
#else
constexpr bool kWindows = false;
constexpr std::size_t kFactsBeforeArguments = 3;  // session, input and descriptors
const fs::path kFolder =
    fs::temp_directory_path() / ("quillon-copy-line-" + std::to_string(::getpid()));

// PATH holds the stand-in tool and nothing else: no terminal, so the launcher asked below
// can refuse a command but never start one.
void putStandInOnPath() {
    fs::create_symlink(QUILLON_STAND_IN_CARTPIPE, kFolder / "cartpipe");
    ::setenv("PATH", kFolder.c_str(), 1);
    ::setenv("QUILLON_TEST_RECORD", (kFolder / "record").c_str(), 1);
}
int runInShell(const std::string& line) { return std::system(line.c_str()); }
std::string launcherRefusal(const command::TransferCommand& command) {
    return makeSystemLauncher()->start(command).reason;
}
#endif

// The working folder is where a command the shell was tricked into running leaves its marker.
class CopyLineTest : public ::testing::Test {
protected:
    CopyLineTest() {
        fs::remove_all(kFolder);
        fs::create_directory(kFolder);
        fs::current_path(kFolder);
        putStandInOnPath();
    }
    ~CopyLineTest() override {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(kFolder, ignored);
    }

    // What the stand-in tool received when the shell ran `line`.
    static Arguments run(const std::string& line) {
        fs::remove(kFolder / "record");
        EXPECT_EQ(runInShell(line), 0) << line;
        std::ostringstream content;
        content << std::ifstream(kFolder / "record", std::ios::binary).rdbuf();
        Arguments record;
        std::istringstream text(content.str());
        for (std::string field; std::getline(text, field, '\0');) {
            record.push_back(field);
        }
        if (record.size() < kFactsBeforeArguments) {
            return {"<no record>"};
        }
        return Arguments(record.begin() + kFactsBeforeArguments, record.end());
    }
};

// Catches quotes where the shell needs none, a dropped empty file, and empty fields kept.
TEST_F(CopyLineTest, PlainFieldsStandBareAndEmptyOptionsLeaveNoGap) {
    const struct {
        command::TransferCommand command;
        std::string line;
    } rows[] = {
#ifdef _WIN32
        {{{"", "-r", "-f", "-l3", "-c2", "-w8000"}, "C:\\ROMS\\SPACE.A78"},
         "cartpipe -r -f -l3 -c2 -w8000 \"C:\\ROMS\\SPACE.A78\""},
        {{{"", "", "", "", "", "-w"}, ""}, "cartpipe -w \"\""},
#else
        {{{"", "-r", "-f", "-l3", "-c2", "-w8000"}, "/roms/Space_Game-2.a78"},
         "cartpipe -r -f -l3 -c2 -w8000 /roms/Space_Game-2.a78"},
        {{{"", "", "", "", "", "-w"}, ""}, "cartpipe -w ''"},
        {{{"-a", "", "", "", "", "-tIt's"}, "/My Roms/x.a78"},
         "cartpipe -a '-tIt'\\''s' '/My Roms/x.a78'"},
#endif
    };
    for (const auto& row : rows) {
        const CopyLine copy = copyLine(row.command);
        EXPECT_EQ(copy.line, row.line);
        EXPECT_EQ(run(copy.line), command::toolArguments(row.command));
    }
}

// Catches a text the shell runs, expands, splits or alters, and a text the launcher refuses
// copied all the same (or refused for another reason).
TEST_F(CopyLineTest, HostileTextsReachTheToolAsTheLauncherPassesThemOrAreRefusedAlike) {
    const auto check = [](const std::string& text, bool refused) {
        SCOPED_TRACE(text);
        const command::TransferCommand command = {
            {"", "-d", "", "-l2", "-c1", "-n" + text, "-w" + text, "-t" + text}, text};
        const CopyLine copy = copyLine(command);
        if (refused) {
            EXPECT_EQ(copy.line, "");
            EXPECT_NE(copy.refusal, "");
            EXPECT_EQ(copy.refusal, launcherRefusal(command));
        } else {
            EXPECT_EQ(copy.refusal, "");
            EXPECT_EQ(run(copy.line), command::toolArguments(command));
            EXPECT_FALSE(fs::exists(kFolder / "marker"));
        }
    };
    for (const std::string text :
         {"$(echo>marker)", "`echo>marker`", "x;echo>marker", "x&echo>marker&", "x|echo>marker",
          "x' ; echo>marker ; '", "(x)^<y>", "*", "-rf", "$HOME ${PATH} ~", " blanks ", "a\\b\\",
          "", "Ünïcødé 日本"}) {
        check(text, false);
    }
    // What cmd.exe cannot be told to take literally; no shell word holds a NUL.
    for (const std::string text : {"x\" & echo>marker & \"", "x\necho>marker", "%PATH%", "!x!"}) {
        check(text, kWindows);
    }
    check(std::string("26\0F8", 5), true);
}

}  // namespace
}  // namespace quillon::platform
