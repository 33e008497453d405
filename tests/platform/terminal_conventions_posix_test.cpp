#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "command/transfer_command.h"
#include "platform/launcher.h"
#include "posix_sandbox.h"

namespace quillon::platform {
namespace {

using Status = LaunchOutcome::Status;

const command::TransferCommand kCommand{{"", "-r", "-f", "", "", "-w8000"}, "/roms/game.bin"};
const std::vector<std::string> kArguments = {"-r", "-f", "-w8000", "/roms/game.bin"};

struct Convention {
    const char* terminal;
    const char* runFlag;
};

void PrintTo(const Convention& convention, std::ostream* out) {
    *out << convention.terminal << ' ' << convention.runFlag;
}

class TerminalConventionTest : public ::testing::TestWithParam<Convention> {};

TEST_P(TerminalConventionTest, RunsTheToolThroughTheOnlyTerminalPresentThenTheUsersShell) {
    test::PosixSandbox sandbox;
    sandbox.installTool();
    sandbox.installShell();
    sandbox.installTerminal(GetParam().terminal, GetParam().runFlag);

    const LaunchOutcome outcome = makeSystemLauncher()->start(kCommand);

    EXPECT_EQ(outcome.status, Status::Started);
    EXPECT_EQ(sandbox.awaitTerminal(), GetParam().terminal);
    EXPECT_FALSE(sandbox.exists("convention-broken"));
    EXPECT_EQ(sandbox.toolArguments(), kArguments);
    EXPECT_TRUE(sandbox.exists("shell-ran")) << "the window must stay open after the tool";
}

INSTANTIATE_TEST_SUITE_P(EachTerminal, TerminalConventionTest,
                         ::testing::Values(Convention{"x-terminal-emulator", "-e"},
                                           Convention{"gnome-terminal", "--"},
                                           Convention{"konsole", "-e"},
                                           Convention{"xfce4-terminal", "-x"},
                                           Convention{"xterm", "-e"}),
                         [](const auto& info) {
                             std::string name = info.param.terminal;
                             std::erase(name, '-');
                             return name;
                         });

struct Preference {
    std::vector<Convention> present;
    std::string chosen;
};

class TerminalPreferenceTest : public ::testing::TestWithParam<Preference> {};

TEST_P(TerminalPreferenceTest, TakesTheFirstInTheOrderOfPreference) {
    test::PosixSandbox sandbox;
    sandbox.installTool();
    sandbox.installShell();
    for (const Convention& terminal : GetParam().present) {
        sandbox.installTerminal(terminal.terminal, terminal.runFlag);
    }

    ASSERT_EQ(makeSystemLauncher()->start(kCommand).status, Status::Started);
    EXPECT_EQ(sandbox.awaitTerminal(), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, TerminalPreferenceTest,
    ::testing::Values(Preference{{{"xterm", "-e"}, {"x-terminal-emulator", "-e"}},
                                 "x-terminal-emulator"},
                      Preference{{{"konsole", "-e"}, {"gnome-terminal", "--"}}, "gnome-terminal"},
                      Preference{{{"xterm", "-e"}, {"xfce4-terminal", "-x"}}, "xfce4-terminal"},
                      Preference{{{"xterm", "-e"}, {"konsole", "-e"}}, "konsole"}));

TEST(TerminalSearchTest, NoTerminalStartsNothing) {
    test::PosixSandbox sandbox;
    sandbox.installTool();

    const LaunchOutcome outcome = makeSystemLauncher()->start(kCommand);

    EXPECT_EQ(outcome.status, Status::NotStarted);
    EXPECT_TRUE(outcome.reason.empty());
    EXPECT_FALSE(sandbox.exists("record"));
}

TEST(TerminalSearchTest, ATerminalThatIsNotExecutableIsPassedOver) {
    test::PosixSandbox sandbox;
    sandbox.installTool();
    sandbox.installShell();
    sandbox.installTerminal("x-terminal-emulator", "-e");
    std::filesystem::permissions(
        sandbox.folder() / "x-terminal-emulator",
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    sandbox.installTerminal("xterm", "-e");

    ASSERT_EQ(makeSystemLauncher()->start(kCommand).status, Status::Started);
    EXPECT_EQ(sandbox.awaitTerminal(), "xterm");
}

TEST(TerminalSearchTest, ATerminalThatCannotBeExecutedIsNotReportedAsStarted) {
    test::PosixSandbox sandbox;
    std::ofstream(sandbox.folder() / "xterm") << "#!/no/such/interpreter\n";
    std::filesystem::permissions(sandbox.folder() / "xterm", std::filesystem::perms::owner_all);

    EXPECT_EQ(makeSystemLauncher()->start(kCommand).status, Status::NotStarted);
}

}  // namespace
}  // namespace quillon::platform
