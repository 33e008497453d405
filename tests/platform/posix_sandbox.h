#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform::test {

// A temporary folder that is, for the life of the object, the working
// directory and the whole PATH: only the stand-in programs placed in it can
// be found. Hostile texts create their marker relative to it, so a text that
// ran would leave a file here.
class PosixSandbox {
public:
    PosixSandbox();
    ~PosixSandbox();
    PosixSandbox(const PosixSandbox&) = delete;
    PosixSandbox& operator=(const PosixSandbox&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

    // The stand-in tool, reachable as `cartpipe`.
    void installTool() const;

    // A stand-in terminal called `name` that checks for `runFlag` in front of
    // the program it is to run, runs it, then notes its own name in the file
    // "terminal-done". A broken convention is noted in "convention-broken".
    void installTerminal(std::string_view name, std::string_view runFlag) const;

    // A stand-in for the user's shell (SHELL) that notes it was started.
    void installShell() const;

    // Waits (bounded) for the terminal to finish; its name, or nothing.
    std::optional<std::string> awaitTerminal() const;

    // What the stand-in tool received, one text per argument.
    std::vector<std::string> toolArguments() const;

    // The stand-in tool's "facts" file as key -> rest of the line.
    std::map<std::string, std::string> toolFacts() const;

    bool exists(std::string_view name) const;

    // Forgets the last run, for the next start.
    void clearRun() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path previousDirectory_;
    std::map<std::string, std::optional<std::string>> previousEnvironment_;
};

}  // namespace quillon::platform::test
