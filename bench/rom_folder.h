#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::bench {

// A temporary folder of `files` empty files of which `roms` are ROM images
// (".bin" and ".a78", mixed case), removed again on destruction.
class RomFolder {
public:
    RomFolder(const std::filesystem::path& parent, std::string_view name, int files, int roms);
    ~RomFolder();
    RomFolder(const RomFolder&) = delete;
    RomFolder& operator=(const RomFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The plain scan the file list is measured against: every regular file of
// the folder whose name matches one of the ";"-separated wildcards, letter
// case ignored, sorted as a list shows them.
std::vector<std::string> scanFolder(const std::filesystem::path& folder, std::string_view patterns);

// Case-blind wildcard match with "*" and "?".
bool wildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace quillon::bench
