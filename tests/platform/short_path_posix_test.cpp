#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/launcher.h"
#include "posix_sandbox.h"

namespace quillon::platform {
namespace {

// Without 8.3 names the short form is the path itself, but only where the
// path exists, so that a vanished ROM gives the empty text as on Windows.
TEST(PosixShortPathTest, IsThePathItselfWhenItExistsElseEmpty) {
    test::PosixSandbox sandbox;
    const std::filesystem::path folder = sandbox.folder() / "My Roms";
    std::filesystem::create_directory(folder);
    std::ofstream(folder / "Space Game.a78") << "rom";
    std::filesystem::create_symlink(folder / "gone.bin", folder / "dangling.bin");
    const auto launcher = makeSystemLauncher();

    const struct {
        std::string path;
        std::string shortForm;
    } cases[] = {
        {(folder / "Space Game.a78").string(), (folder / "Space Game.a78").string()},
        {folder.string(), folder.string()},
        {folder.string() + "/", folder.string() + "/"},
        {(folder / "gone.bin").string(), ""},
        {(folder / "dangling.bin").string(), ""},
        {"", ""},
    };
    for (const auto& [path, shortForm] : cases) {
        EXPECT_EQ(launcher->shortPath(path), shortForm) << path;
    }
}

TEST(PosixShortPathTest, FolderAndFileAreJoinedWithASlash) {
    EXPECT_EQ(pathSeparator(), "/");
}

}  // namespace
}  // namespace quillon::platform
