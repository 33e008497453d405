#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/launcher.h"
#include "win32_sandbox.h"

namespace quillon::platform {
namespace {

using Arguments = std::vector<std::string>;
using Status = LaunchOutcome::Status;
using command::TransferCommand;

struct ArrivalCase {
    const char* what;
    TransferCommand command;
    Arguments arguments;
};

void PrintTo(const ArrivalCase& example, std::ostream* out) {
    *out << example.what;
}

// Commands as both pages compose them, and texts that cmd.exe would act on;
// each run that executed "echo>marker" would leave the marker in the
// working folder.
const ArrivalCase kArrivals[] = {
    {"upload, blanks in the path",
     {{"", "-r", "-f", "-l2", "-c1", "-w8000"}, "C:\\My Roms\\Space Game.a78"},
     {"-r", "-f", "-l2", "-c1", "-w8000", "C:\\My Roms\\Space Game.a78"}},
    {"upload, empty write address and no short form", {{"", "", "", "", "", "-w"}, ""}, {"-w", ""}},
    {"dump, every option",
     {{"-a", "-d", "", "-l2", "-c1", "-n1F", "-wC000", "-t26F8"}, "C:\\My Dumps\\cart one.a78"},
     {"-a", "-d", "-l2", "-c1", "-n1F", "-wC000", "-t26F8", "C:\\My Dumps\\cart one.a78"}},
    {"dump into a folder",
     {{"", "", "", "", "", "-n", "", "-t"}, "C:\\DUMPS\\"},
     {"-n", "-t", "C:\\DUMPS\\"}},
    {"interpreter operators",
     {{"-tA&echo>marker", "-w1|echo>marker", "-n(x)^"}, "C:\\a&echo>marker&\\x.bin"},
     {"-tA&echo>marker", "-w1|echo>marker", "-n(x)^", "C:\\a&echo>marker&\\x.bin"}},
    {"separators, blanks, wildcards and a leading dash",
     {{"-t a;b,c=d ", "-t*?", "--help"}, "-x.bin"},
     {"-t a;b,c=d ", "-t*?", "--help", "-x.bin"}},
    {"letters beyond ASCII and trailing backslashes",
     {{"-tÜnï日本", "-ta\\"}, "C:\\Ünï\\日本\\"},
     {"-tÜnï日本", "-ta\\", "C:\\Ünï\\日本\\"}},
};

class WindowsLaunchTest : public ::testing::TestWithParam<ArrivalCase> {};

TEST_P(WindowsLaunchTest, TheToolReceivesEachFieldAsOneArgumentThroughCmd) {
    test::Win32Sandbox sandbox;

    const LaunchOutcome outcome = makeSystemLauncher()->start(GetParam().command);

    ASSERT_EQ(outcome.status, Status::Started) << outcome.reason;
    EXPECT_EQ(sandbox.awaitToolArguments(), GetParam().arguments);
    EXPECT_FALSE(sandbox.exists("marker"));
}

// A batch file standing in for the tool hands its arguments on with %*,
// where an unquoted & would end its command and start another.
TEST_P(WindowsLaunchTest, ABatchFileInTheToolsPlacePassesTheFieldsOnWhole) {
    test::Win32Sandbox sandbox;
    const std::filesystem::path batchFolder = sandbox.folder() / "batch";
    std::filesystem::create_directory(batchFolder);
    std::ofstream(batchFolder / "cartpipe.bat")
        << "@\"" << (test::standInFolder() / "cartpipe.exe").string() << "\" %*\r\n";
    sandbox.searchFirst(batchFolder);

    ASSERT_EQ(makeSystemLauncher()->start(GetParam().command).status, Status::Started);
    EXPECT_EQ(sandbox.awaitToolArguments(), GetParam().arguments);
    EXPECT_FALSE(sandbox.exists("marker"));
}

INSTANTIATE_TEST_SUITE_P(Commands, WindowsLaunchTest, ::testing::ValuesIn(kArrivals));

TEST(WindowsLaunchRefusalTest, AFieldCmdCannotPassIsRefusedWithAReasonAndNothingRuns) {
    test::Win32Sandbox sandbox;

    const LaunchOutcome outcome = makeSystemLauncher()->start(
        {{"", "", "", "", "", "", "", "-t\"&echo>marker&\""}, "C:\\DUMPS\\CART.BIN"});

    EXPECT_EQ(outcome.status, Status::Refused);
    EXPECT_NE(outcome.reason.find("cartridge code"), std::string::npos) << outcome.reason;
    EXPECT_FALSE(sandbox.exists("record"));
    EXPECT_FALSE(sandbox.exists("marker"));
}

TEST(WindowsLaunchRefusalTest, FolderAndFileAreJoinedWithABackslash) {
    EXPECT_EQ(pathSeparator(), "\\");
}

}  // namespace
}  // namespace quillon::platform
