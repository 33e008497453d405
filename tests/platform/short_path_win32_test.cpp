#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/launcher.h"
#include "win32_sandbox.h"

namespace quillon::platform {
namespace {

namespace fs = std::filesystem;

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path fromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

// Volume and file index: the same file, whichever of its names opened it.
std::string identity(const fs::path& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "cannot be opened";
    }
    BY_HANDLE_FILE_INFORMATION information{};
    ::GetFileInformationByHandle(file, &information);
    ::CloseHandle(file);
    return std::to_string(information.dwVolumeSerialNumber) + ":" +
           std::to_string(information.nFileIndexHigh) + ":" +
           std::to_string(information.nFileIndexLow);
}

class WindowsShortPathTest : public ::testing::Test {
protected:
    // A file whose short form is `length` characters long: the short form of
    // the sandbox, then folders and a file whose names already are 8.3.
    fs::path fileWithShortFormOf(std::size_t length) {
        const std::string base = launcher_->shortPath(utf8(sandbox_.folder()));
        EXPECT_LT(base.size() + 11, length) << base;
        fs::path path = sandbox_.folder();
        std::size_t rest = length - base.size();
        while (rest > 10) {
            path /= "D" + std::to_string(rest).append(7 - std::to_string(rest).size(), 'X');
            rest -= 9;
        }
        const std::size_t name = rest - 1;
        fs::create_directories(path);
        path /= name <= 8 ? std::string(name, 'F') : std::string(name - 4, 'F') + ".TXT";
        std::ofstream(path) << "rom";
        return path;
    }

    test::Win32Sandbox sandbox_;
    std::unique_ptr<ToolLauncher> launcher_ = makeSystemLauncher();
};

TEST_F(WindowsShortPathTest, NamesTheSameFileAsTheLongPathWithBlanks) {
    const fs::path rom = sandbox_.folder() / "My Roms" / "Space Game.a78";
    fs::create_directories(rom.parent_path());
    std::ofstream(rom) << "rom";

    const std::string shortForm = launcher_->shortPath(utf8(rom));

    ASSERT_FALSE(shortForm.empty());
    EXPECT_EQ(identity(fromUtf8(shortForm)), identity(rom));
}

TEST_F(WindowsShortPathTest, AMissingPathHasNone) {
    EXPECT_EQ(launcher_->shortPath(utf8(sandbox_.folder() / "gone.bin")), "");
    EXPECT_EQ(launcher_->shortPath(""), "");
}

TEST_F(WindowsShortPathTest, AnExistingPathTheAnsiCodePageCannotWriteHasNone) {
    BOOL usedDefault = FALSE;
    char ansi[16] = {};
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"日本", -1, ansi, sizeof ansi, nullptr,
                          &usedDefault);
    if (!usedDefault) {
        GTEST_SKIP() << "this system's ANSI code page can write the name";
    }
    const fs::path rom = sandbox_.folder() / L"日本" / "game.bin";
    fs::create_directories(rom.parent_path());
    std::ofstream(rom) << "rom";

    EXPECT_EQ(launcher_->shortPath(utf8(rom)), "");
}

TEST_F(WindowsShortPathTest, AShortFormOf163CharactersStillFits) {
    const fs::path rom = fileWithShortFormOf(163);

    const std::string shortForm = launcher_->shortPath(utf8(rom));

    EXPECT_EQ(shortForm.size(), 163u) << shortForm;
    EXPECT_EQ(identity(fromUtf8(shortForm)), identity(rom));
}

TEST_F(WindowsShortPathTest, AShortFormOf164CharactersDoesNotFitAndGivesNone) {
    const fs::path rom = fileWithShortFormOf(164);
    ASSERT_EQ(identity(rom).find("cannot"), std::string::npos);

    EXPECT_EQ(launcher_->shortPath(utf8(rom)), "");
}

}  // namespace
}  // namespace quillon::platform
