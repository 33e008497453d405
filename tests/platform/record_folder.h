// A fresh working folder for each test: the stand-in tool leaves its record there, and a
// command a shell was tricked into running leaves its marker there.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace quillon::platform {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

class RecordFolderTest : public ::testing::Test {
protected:
    RecordFolderTest() {
        std::error_code leftByAnEarlierRun;
        fs::remove_all(folder_, leftByAnEarlierRun);
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    ~RecordFolderTest() override {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(folder_, ignored);
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
    const std::string process_ = std::to_string(::GetCurrentProcessId());
#else
    const std::string process_ = std::to_string(::getpid());
#endif
    const fs::path folder_ = fs::temp_directory_path() / ("quillon-test-" + process_);
};

}  // namespace quillon::platform
