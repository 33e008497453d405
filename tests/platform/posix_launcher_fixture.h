#pragma once

// Stand-in terminals, tool and user shell for the POSIX launcher started for real.
#include <unistd.h>

#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/launcher.h"
#include "stand_in_test.h"

namespace quillon::platform {

using Status = LaunchOutcome::Status;
inline constexpr std::size_t kFactsBeforeArguments =
    3;  // the tool's session, input and descriptors

// Shell words that wait for the file `gate` to appear, or for the test's folder to go.
inline std::string awaitGate(const std::string& gate) {
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

}  // namespace quillon::platform
