// The POSIX launcher started for real against stand-in terminals, tool and user shell.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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
#include <tuple>
#include <vector>

#include "command/page_commands.h"
#include "platform/launcher.h"

// Snapshots are written with designated initializers: fields left out keep their defaults.
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

// The working folder (where an injected command leaves its marker) and the whole PATH, holding
// the stand-in tool, the user's shell and an xterm.
class PosixLauncherTest : public ::testing::Test {
protected:
    PosixLauncherTest() {
        fs::remove_all(folder_);
        fs::create_directory(folder_);
        fs::current_path(folder_);
        ::setenv("PATH", folder_.c_str(), 1);
        ::setenv("SHELL", (folder_ / "user-shell").c_str(), 1);
        ::setenv("QUILLON_TEST_RECORD", (folder_ / "record").c_str(), 1);
        fs::create_symlink(QUILLON_STAND_IN_CARTPIPE, folder_ / "cartpipe");
        writeScript("user-shell", ": > shell-ran");
        installTerminal("xterm", "-e");
    }
    ~PosixLauncherTest() override {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(folder_, ignored);
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
        writeScript(name, "words=''\nfor w in " + runFlag + "; do words=\"$words $1\"; shift; done\n" +
                              "if [ \"$words\" != '" + (runFlag.empty() ? "" : " " + runFlag) +
                              "' ]; then echo \"" + name +
                              " was given $words\" > terminal-done; exit 2; fi\n" + run + "\n" +
                              "echo " + name + " > terminal-done");
    }

    // Waits (bounded) for the terminal to finish; its note, or nothing.
    std::optional<std::string> awaitTerminal() const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (; std::chrono::steady_clock::now() < deadline;
             std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
            if (std::string note = readWhole(folder_ / "terminal-done"); note.ends_with('\n')) {
                return note.substr(0, note.size() - 1);
            }
        }
        return std::nullopt;
    }

    // What the tool recorded: three facts of its start, then (from `from`) its arguments.
    Arguments toolRecord(std::size_t from = 3) const {
        Arguments record;
        std::istringstream text(readWhole(folder_ / "record"));
        for (std::string field; std::getline(text, field, '\0');) {
            record.push_back(field);
        }
        return record.size() < 3 ? Arguments{"<no record>"} : Arguments(record.begin() + from,
                                                                         record.end());
    }

    // Starts `command` and waits for the terminal; what the tool received.
    Arguments run(const command::TransferCommand& command) {
        for (const char* name : {"record", "terminal-done"}) {
            fs::remove(folder_ / name);
        }
        const LaunchOutcome outcome = launcher_->start(command);
        EXPECT_EQ(outcome.status, Status::Started) << outcome.reason;
        EXPECT_EQ(awaitTerminal(), "xterm");
        return toolRecord();
    }

    // The pages' commands as their action buttons compose them.
    command::TransferCommand upload(command::UploadSnapshot page) const {
        page.doubleItems = {"No Double", "Double ", "Reverse"};
        return command::uploadForRun(page, pathSeparator(), [this](const std::string& path) {
            return launcher_->shortPath(path);
        });
    }
    static command::TransferCommand dump(command::DumpSnapshot page) {
        page.doubleItems = {"No Double", "Double ", "Reverse"};
        return command::composeDump(page);
    }

    std::string makeRom(const std::string& folderName, const std::string& fileName) const {
        fs::create_directories(folder_ / folderName);
        std::ofstream(folder_ / folderName / fileName) << "rom";
        return (folder_ / folderName).string();
    }

    const fs::path folder_ =
        fs::temp_directory_path() / ("quillon-platform-" + std::to_string(::getpid()));
    std::unique_ptr<ToolLauncher> launcher_ = makeSystemLauncher();
};

// Catches a field dropped, split or reordered, a split path, a vanished ROM not passed as "".
TEST_F(PosixLauncherTest, BothPagesCommandsArriveAsTheirFields) {
    const std::string roms = makeRom("My Roms", "Space Game.a78");
    const std::string dest = (folder_ / "My Dumps" / "cart one.a78").string();
    EXPECT_EQ(run(upload({.doubleText = "Reverse", .fast = true, .port = "Port 3",
                          .type = "Highscore", .writeOn = true, .folder = roms,
                          .fileName = "Space Game.a78"})),
              Arguments({"-r", "-f", "-l3", "-c2", "-w", roms + "/Space Game.a78"}));
    EXPECT_EQ(run(upload({.folder = roms, .fileName = "gone.bin"})), Arguments({""}));
    EXPECT_EQ(run(dump({.alternate = true, .doubleText = "Double ", .port = "Port 2",
                        .type = "Linear", .bankOn = true, .bank = "1F", .writeOn = true,
                        .writeAddress = "C000", .code = "26F8", .destination = dest})),
              Arguments({"-a", "-d", "-l2", "-c1", "-n1F", "-wC000", "-t26F8", dest}));
}

// Catches a text run, expanded or split by a shell, and one cut short at a NUL.
TEST_F(PosixLauncherTest, HostileTextsArriveVerbatimInEveryFreeTextField) {
    for (const std::string text :
         {"$(:>marker)", "`:>marker`", "x;:>marker", "x&:>marker&", "x|:>marker",
          "x' ; :>marker ; '", "x\" ; :>marker ; \"", "x\n:>marker", "*", "-rf", "$HOME ${PATH} ~",
          "Ünïcødé 日本", " blanks ", "a\\b\\"}) {
        SCOPED_TRACE(text);
        const std::string folder = makeRom(text, text);
        EXPECT_EQ(run(upload(
                      {.writeOn = true, .writeAddress = text, .folder = folder, .fileName = text})),
                  Arguments({"-w" + text, folder + "/" + text}));
        EXPECT_EQ(run(dump({.bankOn = true, .bank = text, .writeOn = true, .writeAddress = text,
                            .code = text, .destination = text})),
                  Arguments({"-n" + text, "-w" + text, "-t" + text,
                             text.starts_with('-') ? "./" + text : text}));
        EXPECT_FALSE(fs::exists("marker"));
    }
    const LaunchOutcome outcome = launcher_->start(dump({.code = std::string("26\0F8", 5)}));
    EXPECT_EQ(outcome.status, Status::Refused);
    EXPECT_NE(outcome.reason.find("cartridge code"), std::string::npos) << outcome.reason;
}

// Catches a zombie left to reap, and our session, input or descriptors handed on.
TEST_F(PosixLauncherTest, TheTerminalIsDetachedAndInheritsNothingOfOurs) {
    const int ourInput = ::dup(STDIN_FILENO);
    const int inheritable = ::open("our-input", O_RDONLY | O_CREAT, 0600);
    ::dup2(inheritable, STDIN_FILENO);
    const LaunchOutcome outcome = launcher_->start(dump({.destination = "/dumps/cart.bin"}));
    ::dup2(ourInput, STDIN_FILENO);
    ::close(ourInput);
    ::close(inheritable);
    ASSERT_EQ(outcome.status, Status::Started);
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "a child of ours is left to reap";
    EXPECT_EQ(errno, ECHILD);
    ASSERT_TRUE(awaitTerminal().has_value());
    const Arguments record = toolRecord(0);
    ASSERT_GE(record.size(), 3u);
    EXPECT_NE(record[0], "sid " + std::to_string(::getsid(0)));
    EXPECT_EQ(Arguments(record.begin() + 1, record.begin() + 3),
              Arguments({"stdin /dev/null", "fds 0 1 2"}));
}

// Catches a short form for a path that does not exist (a vanished ROM must give "").
TEST_F(PosixLauncherTest, ShortPathIsThePathItselfWhenItExists) {
    const std::string roms = makeRom("My Roms", "Space Game.a78");
    fs::create_symlink(roms + "/gone.bin", roms + "/dangling.bin");
    for (const std::string& path : {roms + "/Space Game.a78", roms, roms + "/"}) {
        EXPECT_EQ(launcher_->shortPath(path), path);
    }
    for (const std::string& path : {roms + "/gone.bin", roms + "/dangling.bin", std::string()}) {
        EXPECT_EQ(launcher_->shortPath(path), "") << path;
    }
}

// Catches a wrong preference or convention, a missing shell after the tool, a terminal that
// cannot start hiding the next one, and a start without any that says nothing.
TEST_F(PosixLauncherTest, TakesTheFirstTerminalThatStartsInItsOwnConvention) {
    // In order of preference, each with the way its documentation says it takes a command.
    const std::vector<std::tuple<std::string, std::string, bool>> terminals = {
        {"xdg-terminal-exec", "", false}, {"users-own", "-e", false},
        {"x-terminal-emulator", "-e", false}, {"kgx", "--", false},
        {"ptyxis", "--", false},          {"gnome-terminal", "--", false},
        {"konsole", "-e", false},         {"xfce4-terminal", "-x", false},
        {"mate-terminal", "-x", false},   {"qterminal", "-e", false},
        {"lxterminal", "-e", true},       {"tilix", "-e", true},
        {"terminator", "-x", false},      {"alacritty", "-e", false},
        {"kitty", "", false},             {"foot", "", false},
        {"wezterm", "start --", false},   {"urxvt", "-e", false},
        {"xterm", "-e", false}};
    enum class First { Runs, NotExecutable, CannotStart };
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
    rows.push_back({{18}, First::CannotStart, std::nullopt});
    rows.push_back({{}, First::Runs, std::nullopt});
    ::setenv("TERMINAL", "users-own", 1);
    for (const Row& row : rows) {
        for (const auto& [name, flag, oneText] : terminals) {
            fs::remove(folder_ / name);
        }
        for (const char* name : {"record", "terminal-done", "shell-ran"}) {
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
        }
        const std::string chosen = row.chosen ? std::get<0>(terminals[*row.chosen]) : "";
        SCOPED_TRACE(::testing::PrintToString(row.present) + " -> " + chosen);
        const LaunchOutcome outcome =
            makeSystemLauncher()->start({{"", "-r", "-f", "", "", "-w8000"}, "/roms/game.bin"});
        if (chosen.empty()) {
            EXPECT_EQ(outcome.status, Status::NotStarted);
            EXPECT_NE(outcome.reason.find("Install a terminal"), std::string::npos);
            EXPECT_FALSE(fs::exists("record"));
            continue;
        }
        EXPECT_EQ(outcome.status, Status::Started);
        EXPECT_EQ(awaitTerminal(), chosen);
        EXPECT_EQ(toolRecord(), Arguments({"-r", "-f", "-w8000", "/roms/game.bin"}));
        EXPECT_TRUE(fs::exists("shell-ran"));
    }
    ::unsetenv("TERMINAL");
}

}  // namespace
}  // namespace quillon::platform
