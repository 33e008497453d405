// The POSIX launcher choosing a terminal for real among stand-ins: the first that starts, each
// in its own way of taking a command, the tool run once per click, the window never kept waiting.
#include <map>
#include <memory>
#include <utility>

#include "posix_launcher_fixture.h"

namespace quillon::platform {
namespace {

// Catches a wrong preference or a wrong way of handing over the command (each way a terminal may
// take it, once), a missing shell after the tool, a terminal that cannot start or ends at once
// with an error hiding the next one, and a start without any that says nothing.
TEST_F(PosixLauncherTest, TakesTheFirstTerminalThatStartsInItsOwnConvention) {
    // The way each terminal's documentation says it takes a command.
    const std::map<std::string, std::pair<std::string, bool>> conventions = {
        {"xdg-terminal-exec", {"", false}},
        {"users-own", {"-e", false}},
        {"x-terminal-emulator", {"-e", false}},
        {"gnome-terminal", {"--", false}},
        {"xfce4-terminal", {"-x", false}},
        {"wezterm", {"start --", false}},
        {"tilix", {"-e", true}},
        {"xterm", {"-e", false}}};
    enum class First { Runs, NotExecutable, CannotStart, DiesAtOnce };
    struct Row {
        std::vector<std::string> present;  // the first one handled as `first` says
        First first;
        std::string chosen;  // none: no terminal runs it
    };
    const Row rows[] = {
        {{"users-own", "xdg-terminal-exec"}, First::Runs, "xdg-terminal-exec"},
        {{"x-terminal-emulator", "users-own"}, First::Runs, "users-own"},
        {{"xterm", "gnome-terminal"}, First::Runs, "gnome-terminal"},
        {{"xterm", "xfce4-terminal"}, First::Runs, "xfce4-terminal"},
        {{"xterm", "wezterm"}, First::Runs, "wezterm"},
        {{"xterm", "tilix"}, First::Runs, "tilix"},
        {{"x-terminal-emulator", "xterm"}, First::NotExecutable, "xterm"},
        {{"xdg-terminal-exec", "x-terminal-emulator"}, First::CannotStart, "x-terminal-emulator"},
        {{"users-own", "gnome-terminal"}, First::DiesAtOnce, "gnome-terminal"},
        {{"xterm"}, First::CannotStart, ""},
        {{}, First::Runs, ""}};
    ::setenv("TERMINAL", "users-own", 1);
    const command::TransferCommand command{{"", "-r", "-f", "", "", "-w8000"}, "/roms/game.bin"};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.present) + " -> " + row.chosen);
        for (const auto& [name, convention] : conventions) {
            fs::remove(folder_ / name);
        }
        for (const std::string& name : row.present) {
            installTerminal(name, conventions.at(name).first, conventions.at(name).second);
        }
        const std::string first = row.present.empty() ? "" : row.present[0];
        if (row.first == First::NotExecutable) {
            fs::permissions(folder_ / first, fs::perms::owner_read);
        } else if (row.first == First::CannotStart) {
            std::ofstream(folder_ / first) << "#!/no/such/interpreter\n";
        } else if (row.first == First::DiesAtOnce) {
            writeScript(first, "exit 1");
        }
        if (row.chosen.empty()) {
            const LaunchOutcome outcome = settle(*makeSystemLauncher()->start(command));
            EXPECT_EQ(outcome.status, Status::NotStarted);
            EXPECT_NE(outcome.reason.find("Install a terminal"), std::string::npos);
            continue;
        }
        EXPECT_EQ(run(command, row.chosen), Arguments({"-r", "-f", "-w8000", "/roms/game.bin"}));
        EXPECT_TRUE(fs::exists("shell-ran"));
    }
}

// Catches the tool run a second time by the next terminal after one that ran it and then ended
// with an error (the user's shell cannot start; a terminal passing on a failure), a terminal
// that ended without running it taken for one that did (after a second with an error, at once
// without), and a start that none ran told as started.
TEST_F(PosixLauncherTest, EachClickRunsTheToolOnceAtMost) {
    struct Row {
        const char* what;
        std::string first;  // the terminal tried first, doing `body`; "$@" is its command
        std::string body;
        bool shellStarts;
        bool xtermAfter;
        Status status;
        const char* tried;  // the terminals started, in order
        const char* runs;   // a "ran" for each run of the tool
    };
    const Row rows[] = {
        {"runs it, its shell cannot start", "xdg-terminal-exec", "\"$@\"", false, true,
         Status::Started, "xdg-terminal-exec", "ran"},
        {"runs it, passes on a failure", "users-own", "shift; \"$@\"; exit 1", true, true,
         Status::Started, "users-own", "ran"},
        {"fails after a second", "xdg-terminal-exec", "/bin/sleep 1; exit 1", true, true,
         Status::Started, "xdg-terminal-exec xterm", "ran"},
        {"fails after a second, no other", "xdg-terminal-exec", "/bin/sleep 1; exit 1", true, false,
         Status::NotStarted, "xdg-terminal-exec", ""},
        {"ends cleanly at once, nothing runs it", "xdg-terminal-exec", "exit 0", true, true,
         Status::Started, "xdg-terminal-exec xterm", "ran"},
        {"ends with an error at once, wakes up late", "xdg-terminal-exec",
         "(echo late >> tried; " + awaitGate("go") + "; \"$@\") & exit 1", true, false,
         Status::NotStarted, "xdg-terminal-exec late", ""},
    };
    ::setenv("TERMINAL", "users-own", 1);
    fs::remove(folder_ / "cartpipe");
    writeScript("cartpipe", "echo ran >> tool-runs; exit 1");  // fails at once
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (const char* name : {"tool-runs", "tried", "go", "xterm", "user-shell"}) {
            fs::remove(folder_ / name);
        }
        writeTerminal(row.first, row.body);
        if (row.xtermAfter) {
            installTerminal("xterm", "-e");
        }
        if (row.shellStarts) {
            writeScript("user-shell", "exit 0");
        }
        const LaunchOutcome outcome = settle(*launcher_->start({{"-r"}, "/game.bin"}));
        EXPECT_EQ(outcome.status, row.status) << outcome.reason;
        std::ofstream(folder_ / "go") << "";  // only now does a late one wake
        awaitEveryTerminal();
        EXPECT_EQ(lines("tried"), row.tried);
        EXPECT_EQ(lines("tool-runs"), row.runs);
        fs::remove(folder_ / row.first);
    }
}

// Catches a start that waits for the terminal to decide (the window would freeze meanwhile), and
// a terminal that hands the command to its server and ends at once passed over before the server
// has begun the tool.
TEST_F(PosixLauncherTest, StartReturnsWhileTheTerminalIsStillDeciding) {
    writeTerminal("xdg-terminal-exec", "(" + awaitGate("go") + "; \"$@\") &");
    const std::unique_ptr<PendingLaunch> launch = launcher_->start({{"-r"}, "/game.bin"});
    EXPECT_FALSE(launch->poll().has_value());
    EXPECT_FALSE(fs::exists(folder_ / "record"));
    std::ofstream(folder_ / "go") << "";
    EXPECT_EQ(settle(*launch).status, Status::Started);
    awaitEveryTerminal();
    EXPECT_EQ(record(kFactsBeforeArguments), Arguments({"-r", "/game.bin"}));
    EXPECT_EQ(lines("tried"), "xdg-terminal-exec");
}

}  // namespace
}  // namespace quillon::platform
