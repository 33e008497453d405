#include "rom_folder.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace quillon::bench {
namespace {

char folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::vector<std::string_view> splitPatterns(std::string_view patterns) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        const std::size_t end = std::min(patterns.find(';', start), patterns.size());
        if (end > start) parts.push_back(patterns.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

RomFolder::RomFolder(const std::filesystem::path& parent, std::string_view name, int files,
                     int roms)
    : path_(parent / std::string(name)) {
    std::filesystem::create_directories(path_);
    const char* const romEndings[] = {".bin", ".a78", ".BIN", ".A78"};
    const int step = roms > 0 ? files / roms : files + 1;
    for (int index = 0; index < files; ++index) {
        std::string fileName = "file" + std::to_string(index);
        if (roms > 0 && index % step == 0 && index / step < roms) {
            fileName += romEndings[(index / step) % 4];
        } else {
            fileName += ".txt";
        }
        std::ofstream(path_ / fileName).flush();
    }
}

RomFolder::~RomFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
    // Iterative match with one backtrack point for the last "*".
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || folded(pattern[p]) == folded(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> scanFolder(const std::filesystem::path& folder,
                                    std::string_view patterns) {
    const std::vector<std::string_view> wildcards = splitPatterns(patterns);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::string name = entry.path().filename().string();
        const bool matches =
            std::any_of(wildcards.begin(), wildcards.end(),
                        [&](std::string_view w) { return wildcardMatch(w, name); });
        if (matches) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return folded(x) < folded(y); });
    });
    return names;
}

}  // namespace quillon::bench
