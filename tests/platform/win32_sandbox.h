#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quillon::platform::test {

// A temporary folder that is, for the life of the object, the working
// directory (where an injected command would leave its marker), with the
// stand-in tool first on PATH and its record file named in the environment.
class Win32Sandbox {
public:
    Win32Sandbox();
    ~Win32Sandbox();
    Win32Sandbox(const Win32Sandbox&) = delete;
    Win32Sandbox& operator=(const Win32Sandbox&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

    // Puts `folder` in front of the stand-in tool on PATH.
    void searchFirst(const std::filesystem::path& folder);

    // Waits (bounded) for the stand-in tool; what it received, one text per
    // argument, or nothing when it did not run.
    std::optional<std::vector<std::string>> awaitToolArguments() const;

    bool exists(const std::string& name) const;

    // Forgets the last run and ends interpreter windows we left open.
    void clearRun() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path previousDirectory_;
    std::optional<std::wstring> previousPath_;
};

// The folder of the stand-in cartpipe.exe built beside the tests.
std::filesystem::path standInFolder();

}  // namespace quillon::platform::test
