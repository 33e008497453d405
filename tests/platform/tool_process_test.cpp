// How the tool is started inside the window, and the parallel ports the system lists, against
// made-up PATH folders, a made-up /dev and /proc tree and a registry key of the test's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/fsuid.h>
#include <unistd.h>
#endif

#include "platform/parallel_ports.h"
#include "platform/tool_process.h"

namespace quillon::platform {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class RunHerePlatformTest : public ::testing::Test {
protected:
    RunHerePlatformTest() {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    ~RunHerePlatformTest() override { fs::remove_all(folder_); }

    void write(const fs::path& relative, const std::string& text, fs::perms mode) const {
        fs::create_directories((folder_ / relative).parent_path());
        std::ofstream(folder_ / relative) << text;
        fs::permissions(folder_ / relative, mode);
    }

    const fs::path folder_ = fs::temp_directory_path() / "quillon-run-here-platform-test";
};

const command::TransferCommand kCommand = {{"", "-r", "", "-l2", "", "-w8000"}, "my dump.a78"};

#ifdef _WIN32
// Catches a line other than the button's (its quoting, its refusals), a run that keeps cmd.exe
// open after the tool, the user's AutoRun commands run first, a cmd.exe taken from PATH.
TEST_F(RunHerePlatformTest, RunsTheButtonsLineThroughTheSystemsCmdAndEnds) {
    const ToolProcess process = toolProcess(kCommand);
    EXPECT_TRUE(process.refusal.empty() && process.missing.empty());
    EXPECT_TRUE(process.arguments.empty());
    EXPECT_EQ(fs::path(process.program).filename(), "cmd.exe");
    EXPECT_TRUE(fs::equivalent(fs::path(process.program).parent_path(),
                               fs::path(std::getenv("SystemRoot")) / "system32"));
    EXPECT_EQ(process.commandLine,
              process.program + " /d /c cartpipe  -r  -l2  -w8000 \"my dump.a78\"");
}

// Catches Run Here starting what the button refuses: a text cmd.exe acts on, a character the
// ANSI code page would turn into a look-alike, a line longer than cmd.exe reads.
TEST_F(RunHerePlatformTest, RefusesWhatTheButtonRefuses) {
    const struct {
        command::TransferCommand command;
        std::string refusal;
    } rows[] = {
        {{{"-t%PATH%"}, "a.bin"}, "The cartridge code holds a percent sign"},
        {{{"-tTEST"}, "C:\\work\\－rf.a78"}, "The file path holds the character － (U+FF0D)"},
        {{{"-t＂ -a ＂"}, "a.bin"}, "The cartridge code holds the character ＂ (U+FF02)"},
        {{{"-tTEST"}, "C:\\" + std::string(8200, 'd') + ".a78"}, "too long: 8"},
    };
    for (const auto& row : rows) {
        const ToolProcess process = toolProcess(row.command);
        if (::GetACP() == CP_UTF8 && row.refusal.find("U+") != std::string::npos) {
            EXPECT_EQ(process.refusal, "");
            continue;
        }
        EXPECT_NE(process.refusal.find(row.refusal), std::string::npos) << process.refusal;
    }
}

// Catches a port missed or misnamed, ports out of their numbers' order, another value read as a
// port, a missing key read as an error.
TEST_F(RunHerePlatformTest, ListsTheLptNamesOfTheKey) {
    const std::wstring key =
        L"Software\\Quillon tests\\parallel ports " + std::to_wstring(::GetCurrentProcessId());
    HKEY ports = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &ports, nullptr),
              ERROR_SUCCESS);
    for (const auto& [device, name] : {std::pair{L"\\Device\\Parallel1", L"\\DosDevices\\LPT2"},
                                       {L"\\Device\\Parallel9", L"\\DosDevices\\LPT10"},
                                       {L"\\Device\\Parallel0", L"\\DosDevices\\LPT1"}}) {
        ::RegSetValueExW(ports, device, 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                         static_cast<DWORD>((std::wcslen(name) + 1) * sizeof(wchar_t)));
    }
    const DWORD number = 7;
    ::RegSetValueExW(ports, L"Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                     sizeof number);
    ::RegCloseKey(ports);
    const std::string source = "HKEY_CURRENT_USER\\Software\\Quillon tests\\parallel ports " +
                               std::to_string(::GetCurrentProcessId());
    EXPECT_EQ(parallelPortLines(source),
              (Lines{"LPT1 (\\Device\\Parallel0)", "LPT2 (\\Device\\Parallel1)",
                     "LPT10 (\\Device\\Parallel9)"}));
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    EXPECT_EQ(parallelPortLines(source), Lines{std::string(kNoParallelPort)});
}
#else
// Catches the tool taken from a relative PATH entry or a file it cannot run, arguments other
// than the button's, a NUL passed cut short, a missing tool not told with the PATH searched.
TEST_F(RunHerePlatformTest, FindsTheToolInTheAbsoluteFoldersOfPath) {
    for (const char* folder : {"here/cartpipe", "a/cartpipe", "b/cartpipe"}) {
        write(folder, "#!/bin/sh\n",
              std::string(folder) == "a/cartpipe" ? fs::perms::owner_read : fs::perms::owner_all);
    }
    const std::string previous = std::getenv("PATH");
    fs::current_path(folder_);
    ::setenv("PATH", ("here:" + (folder_ / "a").string() + ":" + (folder_ / "b").string()).c_str(),
             1);
    const ToolProcess found = toolProcess(kCommand);
    ::setenv("PATH", "here:/nowhere", 1);
    const ToolProcess missing = toolProcess(kCommand);
    const ToolProcess refused = toolProcess({{std::string("-t\0x", 4)}, "a.bin"});
    ::setenv("PATH", previous.c_str(), 1);
    fs::current_path(fs::temp_directory_path());
    EXPECT_EQ(found.program, (folder_ / "b/cartpipe").string());
    EXPECT_EQ(found.arguments, (Lines{"-r", "-l2", "-w8000", "my dump.a78"}));
    EXPECT_EQ(found.refusal + found.missing, "");
    EXPECT_EQ(missing.program, "");
    EXPECT_NE(missing.missing.find("PATH (here:/nowhere)"), std::string::npos) << missing.missing;
    EXPECT_NE(refused.refusal, "");
}

// Catches a port missed or out of order, the base address not in hex, "no permission" not told
// apart from a missing device or driver (with the lp group's hint), other names taken for ports.
TEST_F(RunHerePlatformTest, ListsEachPortWithItsAddressAndAccess) {
    EXPECT_EQ(parallelPortLines(folder_.string()), Lines{std::string(kNoParallelPort)});
    const auto all = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                     fs::perms::group_write | fs::perms::others_read | fs::perms::others_write;
    write("dev/parport10", "", all);
    write("dev/parport0", "", all);
    write("dev/parport1", "", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directories(folder_ / "dev/parport2");
    write("dev/parportX", "", all);
    write("dev/lp0", "", all);
    write("proc/sys/dev/parport/parport0/base-addr", "888\t1912\n", all);
    write("proc/sys/dev/parport/parport1/base-addr", "632\t1656\n", all);
    write("proc/sys/dev/parport/parport3/base-addr", "956\t-1\n", all);
    // Root may open anything: the listing runs as another user would.
    const bool root = ::geteuid() == 0;
    if (root) {
        ::setfsuid(65534);
    }
    const Lines lines = parallelPortLines(folder_.string());
    if (root) {
        ::setfsuid(0);
    }
    const std::string denied =
        "/dev/parport1 (base address 0x278): this user may not open it for reading and writing. "
        "Ask to be added to the group lp (sudo adduser $USER lp), then log out and in again";
    EXPECT_EQ(
        lines,
        (Lines{"/dev/parport0 (base address 0x378): can be opened for reading and writing", denied,
               "/dev/parport2 (base address unknown): cannot be opened: Is a directory",
               "/dev/parport3 is missing although the system knows the port (base address 0x3bc). "
               "Load its driver: sudo modprobe ppdev",
               "/dev/parport10 (base address unknown): can be opened for reading and writing"}));
}
#endif

}  // namespace
}  // namespace quillon::platform
