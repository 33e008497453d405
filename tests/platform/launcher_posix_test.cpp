// The POSIX launcher started for real against stand-in terminals, tool and user shell.
#include <fcntl.h>
#include <sys/wait.h>

#include <cctype>
#include <cerrno>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "hostile_texts.h"
#include "platform/launcher.h"
#include "stand_in_test.h"

namespace quillon::platform {
namespace {

using Status = LaunchOutcome::Status;
constexpr std::size_t kFactsBeforeArguments = 3;  // the tool's session, input and descriptors

// Shell words that wait for the file `gate` to appear, or for the test's folder to go.
std::string awaitGate(const std::string& gate) {
    return "while [ ! -e " + gate + " ] && [ -d \"$PWD\" ]; do /bin/sleep 0.02; done";
}

// Beside the stand-in tool on PATH, the user's shell and an xterm. Every stand-in terminal notes
// its name in "tried" as it starts.
class PosixLauncherTest : public StandInTest {
protected:
    PosixLauncherTest() {
        ::setenv("SHELL", (folder_ / "user-shell").c_str(), 1);
        writeScript("user-shell", "echo ran > shell-ran");
        installTerminal("xterm", "-e");
    }
    ~PosixLauncherTest() override { ::unsetenv("TERMINAL"); }

    void writeScript(const std::string& name, const std::string& body) const {
        std::ofstream(folder_ / name, std::ios::binary) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(folder_ / name, fs::perms::owner_all);
    }

    // A terminal that runs `body` once started; "$@" is the command it was given.
    void writeTerminal(const std::string& name, const std::string& body) const {
        writeScript(name, "echo " + name + " >> tried\n" + body);
    }

    // Checks the words before the command (`runFlag`, blank-separated), runs the command (one
    // shell-quoted text when `oneText`), then notes its name (or the wrong words) in
    // "terminal-done".
    void installTerminal(const std::string& name, const std::string& runFlag,
                         bool oneText = false) const {
        const std::string run = oneText ? "eval \"$1\"" : "\"$@\"";
        writeTerminal(name, "words=''\nfor w in " + runFlag +
                                "; do words=\"$words $1\"; shift; done\n" + "if [ \"$words\" != '" +
                                (runFlag.empty() ? "" : " " + runFlag) + "' ]; then echo \"" +
                                name + " was given $words\" > terminal-done; exit 2; fi\n" + run +
                                "\n" + "echo " + name + " > terminal-done");
    }

    // Waits (bounded) for the file `name` to hold a whole line; that line, or nothing.
    std::optional<std::string> awaitLine(const std::string& name) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (; std::chrono::steady_clock::now() < deadline;
             std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
            std::ifstream file(folder_ / name);
            if (std::string line; std::getline(file, line) && !file.eof()) {
                return line;
            }
        }
        return std::nullopt;
    }

    // Waits (bounded) until no process but this one runs in this folder: every terminal started
    // (and all that it started) has noted itself and ended, and none writes into the next case.
    void awaitEveryTerminal() const {
        const auto anyRuns = [this] {
            const std::string self = std::to_string(::getpid());
            for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
                const std::string process = entry.path().filename();  // or "self", "net"...
                std::error_code gone;
                if (std::isdigit(static_cast<unsigned char>(process[0])) && process != self &&
                    fs::read_symlink(entry.path() / "cwd", gone) == folder_) {
                    return true;
                }
            }
            return false;
        };
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (anyRuns() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    // The lines of the file `name`, joined by blanks.
    std::string lines(const std::string& name) const {
        std::ifstream file(folder_ / name);
        std::string all;
        for (std::string line; std::getline(file, line);) {
            all += (all.empty() ? "" : " ") + line;
        }
        return all;
    }

    // Starts `command` in a fresh folder state; what the tool received.
    Arguments run(const command::TransferCommand& command, const std::string& terminal = "xterm") {
        for (const char* name : {"record", "terminal-done", "shell-ran", "tried"}) {
            fs::remove(folder_ / name);
        }
        const LaunchOutcome outcome = settle(*makeSystemLauncher()->start(command));
        EXPECT_EQ(outcome.status, Status::Started) << outcome.reason;
        EXPECT_EQ(awaitLine("terminal-done"), terminal);
        awaitEveryTerminal();
        EXPECT_EQ(lines("tried"), terminal);  // and no other ran it instead
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
    const LaunchOutcome outcome =
        settle(*launcher_->start({{"-t" + std::string("26\0F8", 5)}, ""}));
    EXPECT_EQ(outcome.status, Status::Refused);
    EXPECT_NE(outcome.reason.find("cartridge code"), std::string::npos) << outcome.reason;
}

// Catches a zombie left to reap, after the outcome or when a launch is dropped while its
// terminal is still deciding; a launch kept undecided by another one started after it; the
// terminal killed with its launch; a descriptor of ours left open or handed on, and our session
// or input handed on.
TEST_F(PosixLauncherTest, TheTerminalIsDetachedAndInheritsNothingOfOurs) {
    const auto ourDescriptors = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
    };
    const auto expectDetached = [this] {
        const Arguments facts = record();
        ASSERT_GE(facts.size(), 3u);
        EXPECT_NE(facts[0], "sid " + std::to_string(::getsid(0)));
        EXPECT_EQ(Arguments(facts.begin() + 1, facts.begin() + 3),
                  Arguments({"stdin /dev/null", "fds 0 1 2"}));
    };
    // Each waits for its own gate to open before it runs the command, and stays up after it, as
    // a terminal's window does.
    for (const auto& [terminal, gate] :
         {std::pair{"x-terminal-emulator", "go-first"}, std::pair{"users-own", "go-second"}}) {
        writeTerminal(terminal, awaitGate(gate) + "; shift; \"$@\"\necho " + terminal +
                                    " > terminal-done\n" + awaitGate("closed"));
    }
    const auto descriptorsBefore = ourDescriptors();
    const int ourInput = ::dup(STDIN_FILENO);
    const int inheritable = ::open("our-input", O_RDONLY | O_CREAT, 0600);
    ::dup2(inheritable, STDIN_FILENO);
    std::unique_ptr<PendingLaunch> first = launcher_->start({{}, "/dumps/cart.bin"});
    ::dup2(ourInput, STDIN_FILENO);
    ::close(ourInput);
    ::close(inheritable);
    ::setenv("TERMINAL", "users-own", 1);
    std::unique_ptr<PendingLaunch> second = launcher_->start({{}, "/dumps/cart.bin"});
    EXPECT_FALSE(first->poll().has_value() || second->poll().has_value());

    std::ofstream(folder_ / "go-first") << "";
    EXPECT_EQ(settle(*first).status, Status::Started);
    second.reset();
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child of ours is left to reap";
    EXPECT_EQ(errno, ECHILD);
    first.reset();
    EXPECT_EQ(ourDescriptors(), descriptorsBefore);
    ASSERT_EQ(awaitLine("terminal-done"), "x-terminal-emulator");
    expectDetached();

    fs::remove(folder_ / "terminal-done");
    std::ofstream(folder_ / "go-second") << "";
    ASSERT_EQ(awaitLine("terminal-done"), "users-own");  // the dropped launch's terminal ran on
    expectDetached();
    std::ofstream(folder_ / "closed") << "";
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
