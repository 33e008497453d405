// The POSIX launcher started for real, against stand-in terminals, a recording
// stand-in tool and a stand-in user shell.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "command/page_commands.h"
#include "platform/launcher.h"

// Page snapshots are written with designated initializers: the fields left
// out keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quillon::platform {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;
using Status = LaunchOutcome::Status;

std::string readWhole(const fs::path& path) {
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

// A temporary folder that is, for the life of the object, the working folder
// (where an injected command would leave its marker) and the whole PATH, so
// that only the stand-ins put in it can be found: the tool and the user's
// shell from the start, terminals on request. The environment it sets is left
// to the next sandbox: this test program starts nothing without one.
class Sandbox {
public:
    Sandbox() {
        fs::remove_all(folder_);
        fs::create_directory(folder_);
        fs::current_path(folder_);
        ::setenv("PATH", folder_.c_str(), 1);
        ::setenv("SHELL", (folder_ / "user-shell").c_str(), 1);
        ::setenv("QUILLON_TEST_RECORD", (folder_ / "record").c_str(), 1);
        fs::create_symlink(QUILLON_STAND_IN_CARTPIPE, folder_ / "cartpipe");
        writeScript("user-shell", ": > shell-ran");
    }
    ~Sandbox() {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(folder_, ignored);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const fs::path& folder() const { return folder_; }

    // A stand-in terminal that runs what follows `runFlag`, then notes its
    // name in "terminal-done"; handed another flag, it notes that instead.
    void installTerminal(const std::string& name, const std::string& runFlag) const {
        writeScript(name, "if [ \"$1\" != '" + runFlag + "' ]; then echo \"" + name +
                              " was given $1\" > terminal-done; exit 2; fi\nshift\n\"$@\"\n" +
                              "echo " + name + " > terminal-done");
    }

    // Waits (bounded) for the terminal to finish; its note, or nothing.
    std::optional<std::string> awaitTerminal() const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            if (std::string note = readWhole(folder_ / "terminal-done"); note.ends_with('\n')) {
                note.pop_back();
                return note;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return std::nullopt;
    }

    // What the tool recorded: three facts of its start, then its arguments.
    Arguments toolRecord() const {
        Arguments record;
        std::istringstream text(readWhole(folder_ / "record"));
        for (std::string field; std::getline(text, field, '\0');) {
            record.push_back(field);
        }
        return record;
    }
    Arguments toolArguments() const {
        const Arguments record = toolRecord();
        return record.size() < 3 ? Arguments{"<no record>"}
                                 : Arguments(record.begin() + 3, record.end());
    }

    bool exists(const std::string& name) const { return fs::exists(folder_ / name); }

    // Forgets the last run, for the next start.
    void clearRun() const {
        for (const char* name : {"record", "terminal-done", "shell-ran"}) {
            fs::remove(folder_ / name);
        }
    }

private:
    void writeScript(const std::string& name, const std::string& body) const {
        std::ofstream(folder_ / name, std::ios::binary) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(folder_ / name, fs::perms::owner_all);
    }

    const fs::path folder_ =
        fs::temp_directory_path() / ("quillon-platform-" + std::to_string(::getpid()));
};

const std::array<std::string, 3> kDoubleItems = {"No Double", "Double ", "Reverse"};

class PosixLauncherTest : public ::testing::Test {
protected:
    PosixLauncherTest() { sandbox_.installTerminal("xterm", "-e"); }

    // Starts `command` and waits for the terminal; what the tool received.
    Arguments run(const command::TransferCommand& command) {
        sandbox_.clearRun();
        const LaunchOutcome outcome = launcher_->start(command);
        EXPECT_EQ(outcome.status, Status::Started) << outcome.reason;
        EXPECT_EQ(sandbox_.awaitTerminal(), "xterm");
        return sandbox_.toolArguments();
    }

    // The pages' commands as their action buttons compose them.
    command::TransferCommand upload(command::UploadSnapshot page) const {
        page.doubleItems = kDoubleItems;
        return command::uploadForRun(page, pathSeparator(), [this](const std::string& path) {
            return launcher_->shortPath(path);
        });
    }
    static command::TransferCommand dump(command::DumpSnapshot page) {
        page.doubleItems = kDoubleItems;
        return command::composeDump(page);
    }

    std::string makeRom(const std::string& folderName, const std::string& fileName) const {
        const fs::path folder = sandbox_.folder() / folderName;
        fs::create_directories(folder);
        std::ofstream(folder / fileName) << "rom";
        return folder.string();
    }

    Sandbox sandbox_;
    std::unique_ptr<ToolLauncher> launcher_ = makeSystemLauncher();
};

// Both pages' commands reach the tool as exactly their non-empty fields, then
// the path: a field dropped, split, trimmed or reordered, or a path split at
// its blanks, fails a row; so does a vanished ROM not passed as "".
TEST_F(PosixLauncherTest, BothPagesCommandsArriveAsTheirFields) {
    const std::string roms = makeRom("My Roms", "Space Game.a78");
    const std::string rom = roms + "/Space Game.a78";
    const std::string dest = (sandbox_.folder() / "My Dumps" / "cart one.a78").string();
    const struct {
        const char* what;
        command::TransferCommand command;
        Arguments arguments;
    } rows[] = {
        {"upload, empty write address",
         upload({.doubleText = "Reverse", .fast = true, .port = "Port 3", .type = "Highscore",
                 .writeOn = true, .folder = roms, .fileName = "Space Game.a78"}),
         {"-r", "-f", "-l3", "-c2", "-w", rom}},
        {"upload, ROM gone", upload({.folder = roms, .fileName = "gone.bin"}), {""}},
        {"dump, every option",
         dump({.alternate = true, .doubleText = "Double ", .port = "Port 2", .type = "Linear",
               .bankOn = true, .bank = "1F", .writeOn = true, .writeAddress = "C000",
               .code = "26F8", .destination = dest}),
         {"-a", "-d", "-l2", "-c1", "-n1F", "-wC000", "-t26F8", dest}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(run(row.command), row.arguments);
    }
}

// Texts a shell would act on. One that was run, expanded or split on the way
// would leave "marker" in the working folder, or reach the tool altered.
TEST_F(PosixLauncherTest, HostileTextsArriveVerbatimInEveryFreeTextField) {
    for (const std::string text :
         {"$(:>marker)", "`:>marker`", "x;:>marker", "x&:>marker&", "x|:>marker", "x&&:>marker",
          "x' ; :>marker ; '", "x\" ; :>marker ; \"", "x\n:>marker", "*", "-rf", "$HOME ${PATH} ~",
          "Ünïcødé 日本", " blanks ", "a\\b\\"}) {
        SCOPED_TRACE(text);
        const std::string folder = makeRom(text, text);
        EXPECT_EQ(run(upload(
                      {.writeOn = true, .writeAddress = text, .folder = folder, .fileName = text})),
                  Arguments({"-w" + text, folder + "/" + text}));
        EXPECT_EQ(run(dump({.bankOn = true, .bank = text, .writeOn = true, .writeAddress = text,
                            .code = text, .destination = text})),
                  Arguments({"-n" + text, "-w" + text, "-t" + text, text}));
        EXPECT_FALSE(sandbox_.exists("marker"));
    }
}

// An argument vector ends a word at its first NUL: such a text is refused by
// name rather than passed cut short.
TEST_F(PosixLauncherTest, ATextHoldingANulIsRefusedWithTheFieldNamed) {
    const LaunchOutcome outcome = launcher_->start(dump({.code = std::string("26\0F8", 5)}));
    EXPECT_EQ(outcome.status, Status::Refused);
    EXPECT_NE(outcome.reason.find("cartridge code"), std::string::npos) << outcome.reason;
    EXPECT_FALSE(sandbox_.exists("terminal-done"));
}

// No zombie left for us to reap, and nothing of ours handed on: not our
// session, not our input, not a descriptor a careless start would pass.
TEST_F(PosixLauncherTest, TheTerminalIsDetachedAndInheritsNothingOfOurs) {
    const int ourInput = ::dup(STDIN_FILENO);
    const int inheritable = ::open("our-input", O_RDONLY | O_CREAT, 0600);
    ASSERT_GE(inheritable, 0);
    ::dup2(inheritable, STDIN_FILENO);
    const LaunchOutcome outcome = launcher_->start(dump({.destination = "/dumps/cart.bin"}));
    ::dup2(ourInput, STDIN_FILENO);
    ::close(ourInput);
    ::close(inheritable);
    ASSERT_EQ(outcome.status, Status::Started);
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child of ours is left to reap";
    EXPECT_EQ(errno, ECHILD);

    ASSERT_TRUE(sandbox_.awaitTerminal().has_value());
    const Arguments record = sandbox_.toolRecord();
    ASSERT_GE(record.size(), 3u);
    EXPECT_NE(record[0], "sid " + std::to_string(::getsid(0)));
    EXPECT_EQ(record[1], "stdin /dev/null");
    EXPECT_EQ(record[2], "fds 0 1 2");
}

// Without 8.3 names the short form is the path itself, but only where the
// path exists, so that a vanished ROM gives "" as on Windows.
TEST_F(PosixLauncherTest, ShortPathIsThePathItselfWhenItExists) {
    const std::string roms = makeRom("My Roms", "Space Game.a78");
    fs::create_symlink(roms + "/gone.bin", roms + "/dangling.bin");
    for (const auto& [path, shortForm] : std::vector<std::pair<std::string, std::string>>{
             {roms + "/Space Game.a78", roms + "/Space Game.a78"},
             {roms, roms},
             {roms + "/", roms + "/"},
             {roms + "/gone.bin", ""},
             {roms + "/dangling.bin", ""},
             {"", ""}}) {
        EXPECT_EQ(launcher_->shortPath(path), shortForm) << path;
    }
}

// Each terminal's way of being told what to run, as the real ones take it.
const std::map<std::string, std::string> kRunFlags = {
    {"x-terminal-emulator", "-e"}, {"gnome-terminal", "--"}, {"konsole", "-e"},
    {"xfce4-terminal", "-x"},      {"xterm", "-e"},
};

enum class First { Runs, NotExecutable, NoInterpreter };

// Which terminal is taken (pairs of neighbours in the order of preference),
// that it is handed the tool its own way (each of the five is taken once),
// and that the user's shell keeps its window open after the tool; with no
// usable terminal nothing starts and the user is told of no reason.
TEST(PosixTerminalSearchTest, TakesTheFirstUsableTerminalInItsOwnConvention) {
    const command::TransferCommand command{{"", "-r", "-f", "", "", "-w8000"}, "/roms/game.bin"};
    const struct {
        std::vector<std::string> present;
        First first;
        std::string chosen;  // empty when nothing may start
    } rows[] = {
        {{"gnome-terminal", "x-terminal-emulator"}, First::Runs, "x-terminal-emulator"},
        {{"konsole", "gnome-terminal"}, First::Runs, "gnome-terminal"},
        {{"xfce4-terminal", "konsole"}, First::Runs, "konsole"},
        {{"xterm", "xfce4-terminal"}, First::Runs, "xfce4-terminal"},
        {{"x-terminal-emulator", "xterm"}, First::NotExecutable, "xterm"},
        {{"xterm"}, First::NoInterpreter, ""},
        {{}, First::Runs, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.present) + " -> " + row.chosen);
        Sandbox sandbox;
        for (const std::string& name : row.present) {
            sandbox.installTerminal(name, kRunFlags.at(name));
        }
        if (row.first == First::NotExecutable) {
            fs::permissions(sandbox.folder() / row.present[0], fs::perms::owner_read);
        } else if (row.first == First::NoInterpreter) {
            std::ofstream(sandbox.folder() / row.present[0]) << "#!/no/such/interpreter\n";
        }

        const LaunchOutcome outcome = makeSystemLauncher()->start(command);

        if (row.chosen.empty()) {
            EXPECT_EQ(outcome.status, Status::NotStarted);
            EXPECT_EQ(outcome.reason, "");
            EXPECT_FALSE(sandbox.exists("record"));
            continue;
        }
        EXPECT_EQ(outcome.status, Status::Started);
        EXPECT_EQ(sandbox.awaitTerminal(), row.chosen);
        EXPECT_EQ(sandbox.toolArguments(), Arguments({"-r", "-f", "-w8000", "/roms/game.bin"}));
        EXPECT_TRUE(sandbox.exists("shell-ran"));
    }
}

}  // namespace
}  // namespace quillon::platform
