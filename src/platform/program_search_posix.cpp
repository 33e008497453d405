#include "platform/program_search_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace quillon::platform {

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(at + 1);
    }
}

bool isExecutableFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string programSearchPath() {
    if (const char* path = std::getenv("PATH")) {
        return path;
    }
    const std::size_t size = ::confstr(_CS_PATH, nullptr, 0);
    std::string fallback(size, '\0');
    if (size == 0 || ::confstr(_CS_PATH, fallback.data(), size) == 0) {
        return "/bin:/usr/bin";
    }
    fallback.resize(size - 1);
    return fallback;
}

std::optional<std::string> findProgram(std::string_view name, std::string_view searchPath) {
    for (std::string_view folder : splitAt(searchPath, ':')) {
        if (!folder.starts_with('/')) {
            continue;
        }
        std::string candidate(folder);
        if (!candidate.ends_with('/')) {
            candidate += '/';
        }
        candidate += name;
        if (isExecutableFile(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace quillon::platform
