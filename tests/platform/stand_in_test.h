// A fresh working folder for each test and the stand-in tool first on PATH: the tool leaves its
// record there, and a command a shell was tricked into running leaves its marker there.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "platform/launcher.h"

namespace quillon::platform {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

// Asks `launch` until it knows its outcome, as the window's timer does; a launch still undecided
// after a minute has hung, and says so.
inline LaunchOutcome settle(PendingLaunch& launch) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    for (; std::chrono::steady_clock::now() < deadline;
         std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
        if (std::optional<LaunchOutcome> outcome = launch.poll()) {
            return *outcome;
        }
    }
    return {LaunchOutcome::Status::NotStarted, "still undecided after a minute"};
}

#ifdef _WIN32
// Whether this system's ANSI code page writes every character of `utf8` as it is, with no
// look-alike and no "?" for one it lacks: a tool with a plain main() gets only such text.
inline bool ansiHolds(const std::string& utf8) {
    const std::wstring wide = fs::path(std::u8string(utf8.begin(), utf8.end())).wstring();
    if (::GetACP() == CP_UTF8 || wide.empty()) {
        return true;
    }
    BOOL usedDefault = FALSE;
    const int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                           int(wide.size()), nullptr, 0, nullptr, &usedDefault);
    return size > 0 && !usedDefault;
}
#endif

#ifdef _WIN32
// cmd /k waits for a user after the tool, and a test has none: every interpreter a test starts
// joins this job, which ends them all with the test.
inline const bool kInterpretersEndWithUs = [] {
    const HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return ::AssignProcessToJobObject(job, ::GetCurrentProcess()) != 0;
}();
#endif

class StandInTest : public ::testing::Test {
protected:
    StandInTest() {
        std::error_code leftByAnEarlierRun;
        fs::remove_all(folder_, leftByAnEarlierRun);
        fs::create_directories(folder_);
        fs::current_path(folder_);
#ifdef _WIN32
        searchFirst(standInFolder().wstring());
        ::_wputenv_s(L"QUILLON_TEST_RECORD", (folder_ / "record").c_str());
#else
        // The whole PATH, so that a test decides what else the launcher finds.
        fs::create_symlink(QUILLON_STAND_IN_CARTPIPE, folder_ / "cartpipe");
        ::setenv("PATH", folder_.c_str(), 1);
        ::setenv("QUILLON_TEST_RECORD", (folder_ / "record").c_str(), 1);
#endif
    }
    ~StandInTest() override {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(folder_, ignored);
#ifdef _WIN32
        ::_wputenv_s(L"PATH", searchPath_.c_str());
#endif
    }

    // The NUL-ended fields the stand-in tool recorded, from the `from`th on.
    Arguments record(std::size_t from = 0) const {
        std::ifstream file(folder_ / "record", std::ios::binary);
        Arguments fields;
        for (std::string field; std::getline(file, field, '\0');) {
            fields.push_back(field);
        }
        return fields.size() < from ? Arguments{"<no record>"}
                                    : Arguments(fields.begin() + from, fields.end());
    }

#ifdef _WIN32
    // The stand-in cartpipe.exe is built into a folder beside this program.
    static fs::path standInFolder() {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        return fs::path(self).parent_path() / "stand-in";
    }
    // Set with _wputenv_s, which the children this program starts inherit.
    void searchFirst(const std::wstring& folders) const {
        ::_wputenv_s(L"PATH", (folders + L";" + searchPath_).c_str());
    }
    const std::wstring searchPath_ = ::_wgetenv(L"PATH");
    const std::string process_ = std::to_string(::GetCurrentProcessId());
#else
    const std::string process_ = std::to_string(::getpid());
#endif
    const fs::path folder_ = fs::temp_directory_path() / ("quillon-test-" + process_);
};

}  // namespace quillon::platform
