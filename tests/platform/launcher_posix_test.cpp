// The POSIX launcher started for real against stand-in terminals, tool and user shell.
#include <fcntl.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>
#include <tuple>

#include "hostile_texts.h"
#include "platform/launcher.h"
#include "stand_in_test.h"

namespace quillon::platform {
namespace {

using Status = LaunchOutcome::Status;
constexpr std::size_t kFactsBeforeArguments = 3;  // the tool's session, input and descriptors

// Beside the stand-in tool on PATH, the user's shell and an xterm.
class PosixLauncherTest : public StandInTest {
protected:
    PosixLauncherTest() {
        ::setenv("SHELL", (folder_ / "user-shell").c_str(), 1);
        writeScript("user-shell", ": > shell-ran");
        installTerminal("xterm", "-e");
    }

    void writeScript(const std::string& name, const std::string& body) const {
        std::ofstream(folder_ / name, std::ios::binary) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(folder_ / name, fs::perms::owner_all);
    }

    // Checks the words before the command (`runFlag`, blank-separated), runs the command (one
    // shell-quoted text when `oneText`), then notes its name (or the wrong words) in
    // "terminal-done".
    void installTerminal(const std::string& name, const std::string& runFlag,
                         bool oneText = false) const {
        const std::string run = oneText ? "eval \"$1\"" : "\"$@\"";
        writeScript(name, "words=''\nfor w in " + runFlag +
                              "; do words=\"$words $1\"; shift; done\n" + "if [ \"$words\" != '" +
                              (runFlag.empty() ? "" : " " + runFlag) + "' ]; then echo \"" + name +
                              " was given $words\" > terminal-done; exit 2; fi\n" + run + "\n" +
                              "echo " + name + " > terminal-done");
    }

    // Waits (bounded) for the terminal to finish; its note, or nothing.
    std::optional<std::string> awaitTerminal() const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (; std::chrono::steady_clock::now() < deadline;
             std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
            std::ifstream file(folder_ / "terminal-done");
            if (std::string note; std::getline(file, note) && !file.eof()) {
                return note;
            }
        }
        return std::nullopt;
    }

    // Starts `command` in a fresh folder state; what the tool received.
    Arguments run(const command::TransferCommand& command, const std::string& terminal = "xterm") {
        for (const char* name : {"record", "terminal-done", "shell-ran"}) {
            fs::remove(folder_ / name);
        }
        const LaunchOutcome outcome = makeSystemLauncher()->start(command);
        EXPECT_EQ(outcome.status, Status::Started) << outcome.reason;
        EXPECT_EQ(awaitTerminal(), terminal);
        return record(kFactsBeforeArguments);
    }

    std::unique_ptr<ToolLauncher> launcher_ = makeSystemLauncher();
};

// Catches a text run, expanded or split by a shell, an empty one lost, one cut short at a NUL.
TEST_F(PosixLauncherTest, HostileTextsArriveVerbatimInEveryFreeTextField) {
    for (const HostileText& hostile : kHostileTexts) {
        const std::string& text = hostile.text;
        SCOPED_TRACE(text);
        const command::TransferCommand command{
            {"", "", "", "", "", "-n" + text, "-w" + text, "-t" + text}, text};
        EXPECT_EQ(run(command), command::toolArguments(command));
        EXPECT_FALSE(fs::exists("marker"));
    }
    const LaunchOutcome outcome = launcher_->start({{"-t" + std::string("26\0F8", 5)}, ""});
    EXPECT_EQ(outcome.status, Status::Refused);
    EXPECT_NE(outcome.reason.find("cartridge code"), std::string::npos) << outcome.reason;
}

// Catches a zombie left to reap, and our session, input or descriptors handed on.
TEST_F(PosixLauncherTest, TheTerminalIsDetachedAndInheritsNothingOfOurs) {
    const int ourInput = ::dup(STDIN_FILENO);
    const int inheritable = ::open("our-input", O_RDONLY | O_CREAT, 0600);
    ::dup2(inheritable, STDIN_FILENO);
    const LaunchOutcome outcome = launcher_->start({{}, "/dumps/cart.bin"});
    ::dup2(ourInput, STDIN_FILENO);
    ::close(ourInput);
    ::close(inheritable);
    ASSERT_EQ(outcome.status, Status::Started);
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child of ours is left to reap";
    EXPECT_EQ(errno, ECHILD);
    ASSERT_TRUE(awaitTerminal().has_value());
    const Arguments facts = record();
    ASSERT_GE(facts.size(), 3u);
    EXPECT_NE(facts[0], "sid " + std::to_string(::getsid(0)));
    EXPECT_EQ(Arguments(facts.begin() + 1, facts.begin() + 3),
              Arguments({"stdin /dev/null", "fds 0 1 2"}));
}

// Catches a short form for a path that does not exist (a vanished ROM must give "").
TEST_F(PosixLauncherTest, ShortPathIsThePathItselfWhenItExists) {
    const std::string roms = (folder_ / "My Roms").string();
    fs::create_directory(roms);
    std::ofstream(roms + "/Space Game.a78") << "rom";
    fs::create_symlink(roms + "/gone.bin", roms + "/dangling.bin");
    for (const std::string& path : {roms + "/Space Game.a78", roms, roms + "/"}) {
        EXPECT_EQ(launcher_->shortPath(path), path);
    }
    for (const std::string& path : {roms + "/gone.bin", roms + "/dangling.bin", std::string()}) {
        EXPECT_EQ(launcher_->shortPath(path), "") << path;
    }
}

// Catches a wrong preference or convention, a missing shell after the tool, a terminal that
// cannot start or ends at once with an error hiding the next one, and a start without any that
// says nothing.
TEST_F(PosixLauncherTest, TakesTheFirstTerminalThatStartsInItsOwnConvention) {
    // In order of preference, each with the way its documentation says it takes a command.
    const std::vector<std::tuple<std::string, std::string, bool>> terminals = {
        {"xdg-terminal-exec", "", false},
        {"users-own", "-e", false},
        {"x-terminal-emulator", "-e", false},
        {"kgx", "--", false},
        {"ptyxis", "--", false},
        {"gnome-terminal", "--", false},
        {"konsole", "-e", false},
        {"xfce4-terminal", "-x", false},
        {"mate-terminal", "-x", false},
        {"qterminal", "-e", false},
        {"lxterminal", "-e", true},
        {"tilix", "-e", true},
        {"terminator", "-x", false},
        {"alacritty", "-e", false},
        {"kitty", "", false},
        {"foot", "", false},
        {"wezterm", "start --", false},
        {"urxvt", "-e", false},
        {"xterm", "-e", false}};
    enum class First { Runs, NotExecutable, CannotStart, DiesAtOnce };
    struct Row {
        std::vector<std::size_t> present;  // indexes into `terminals`, the first one first
        First first;
        std::optional<std::size_t> chosen;
    };
    std::vector<Row> rows;
    for (std::size_t i = 0; i + 1 < terminals.size(); ++i) {
        rows.push_back({{i + 1, i}, First::Runs, i});  // the preferred one is made second
    }
    rows.push_back({{2, 18}, First::NotExecutable, 18});
    rows.push_back({{0, 2}, First::CannotStart, 2});
    rows.push_back({{1, 3}, First::DiesAtOnce, 3});  // as one does with no display to reach
    rows.push_back({{18}, First::CannotStart, std::nullopt});
    rows.push_back({{}, First::Runs, std::nullopt});
    ::setenv("TERMINAL", "users-own", 1);
    const command::TransferCommand command{{"", "-r", "-f", "", "", "-w8000"}, "/roms/game.bin"};
    for (const Row& row : rows) {
        for (const auto& [name, flag, oneText] : terminals) {
            fs::remove(folder_ / name);
        }
        for (const std::size_t index : row.present) {
            const auto& [name, flag, oneText] = terminals[index];
            installTerminal(name, flag, oneText);
        }
        const std::string first = row.present.empty() ? "" : std::get<0>(terminals[row.present[0]]);
        if (row.first == First::NotExecutable) {
            fs::permissions(folder_ / first, fs::perms::owner_read);
        } else if (row.first == First::CannotStart) {
            std::ofstream(folder_ / first) << "#!/no/such/interpreter\n";
        } else if (row.first == First::DiesAtOnce) {
            writeScript(first, "exit 1");
        }
        const std::string chosen = row.chosen ? std::get<0>(terminals[*row.chosen]) : "";
        SCOPED_TRACE(::testing::PrintToString(row.present) + " -> " + chosen);
        if (chosen.empty()) {
            const LaunchOutcome outcome = makeSystemLauncher()->start(command);
            EXPECT_EQ(outcome.status, Status::NotStarted);
            EXPECT_NE(outcome.reason.find("Install a terminal"), std::string::npos);
            continue;
        }
        EXPECT_EQ(run(command, chosen), Arguments({"-r", "-f", "-w8000", "/roms/game.bin"}));
        EXPECT_TRUE(fs::exists("shell-ran"));
    }
    ::unsetenv("TERMINAL");
}

}  // namespace
}  // namespace quillon::platform
