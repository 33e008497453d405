#include "posix_sandbox.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace quillon::platform::test {

namespace {

constexpr std::string_view kEnvironmentNames[] = {"PATH", "SHELL", "QUILLON_TEST_RECORD"};

std::string readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeScript(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

}  // namespace

PosixSandbox::PosixSandbox() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillon-platform-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    folder_ = pattern;
    previousDirectory_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    for (std::string_view name : kEnvironmentNames) {
        const char* value = std::getenv(std::string(name).c_str());
        previousEnvironment_[std::string(name)] =
            value ? std::optional<std::string>(value) : std::nullopt;
    }
    ::setenv("PATH", folder_.c_str(), 1);
    ::setenv("SHELL", (folder_ / "user-shell").c_str(), 1);
    ::setenv("QUILLON_TEST_RECORD", (folder_ / "record").c_str(), 1);
}

PosixSandbox::~PosixSandbox() {
    for (const auto& [name, value] : previousEnvironment_) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
    std::error_code ignored;
    std::filesystem::current_path(previousDirectory_, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void PosixSandbox::installTool() const {
    std::filesystem::create_symlink(QUILLON_STAND_IN_CARTPIPE, folder_ / "cartpipe");
}

void PosixSandbox::installTerminal(std::string_view name, std::string_view runFlag) const {
    const std::string done = (folder_ / "terminal-done").string();
    const std::string broken = (folder_ / "convention-broken").string();
    writeScript(folder_ / name,
                "#!/bin/sh\n"
                "if [ \"$1\" != '" +
                    std::string(runFlag) +
                    "' ]; then\n"
                    "  echo \"$1\" > '" +
                    broken +
                    "'\n"
                    "  exit 2\n"
                    "fi\n"
                    "shift\n"
                    "\"$@\"\n"
                    "echo '" +
                    std::string(name) + "' > '" + done + "'\n");
}

void PosixSandbox::installShell() const {
    writeScript(folder_ / "user-shell",
                "#!/bin/sh\n: > '" + (folder_ / "shell-ran").string() + "'\n");
}

std::optional<std::string> PosixSandbox::awaitTerminal() const {
    const std::filesystem::path done = folder_ / "terminal-done";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::filesystem::exists(done)) {
            std::string name = readWhole(done);
            if (name.ends_with('\n')) {
                name.pop_back();
                return name;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

std::vector<std::string> PosixSandbox::toolArguments() const {
    if (!exists("record")) {
        return {"<the tool did not run>"};
    }
    const std::string record = readWhole(folder_ / "record");
    std::vector<std::string> arguments;
    std::size_t begin = 0;
    for (std::size_t end = record.find('\0'); end != std::string::npos;
         begin = end + 1, end = record.find('\0', begin)) {
        arguments.push_back(record.substr(begin, end - begin));
    }
    return arguments;
}

std::map<std::string, std::string> PosixSandbox::toolFacts() const {
    std::map<std::string, std::string> facts;
    std::istringstream lines(readWhole(folder_ / "record.facts"));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t blank = line.find(' ');
        facts[line.substr(0, blank)] = blank == std::string::npos ? "" : line.substr(blank + 1);
    }
    return facts;
}

bool PosixSandbox::exists(std::string_view name) const {
    return std::filesystem::exists(std::filesystem::symlink_status(folder_ / name));
}

void PosixSandbox::clearRun() const {
    for (const char* name : {"record", "record.facts", "terminal-done", "shell-ran"}) {
        std::filesystem::remove(folder_ / name);
    }
}

}  // namespace quillon::platform::test
