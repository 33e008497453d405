// The POSIX launcher started for real: what reaches the tool, and what the terminal inherits.
#include <fcntl.h>
#include <sys/wait.h>

#include <cerrno>

#include "hostile_texts.h"
#include "posix_launcher_fixture.h"

namespace quillon::platform {
namespace {

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

}  // namespace
}  // namespace quillon::platform
