#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/settings_place.h"

namespace quillon::platform {

namespace {

bool isAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

}  // namespace

FileStatus fileStatus(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        // A missing folder on the way, or a file in place of one, means
        // there is no such file yet; a link loop or a folder we may not
        // enter is something else that must not be written over.
        const bool absent = errno == ENOENT || errno == ENOTDIR;
        return {absent ? FileStatus::Kind::Absent : FileStatus::Kind::Other, false};
    }
    using Kind = FileStatus::Kind;
    const Kind kind = S_ISREG(info.st_mode)                            ? Kind::Regular
                      : S_ISDIR(info.st_mode)                          ? Kind::Folder
                      : S_ISFIFO(info.st_mode)                         ? Kind::Pipe
                      : S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) ? Kind::Device
                                                                       : Kind::Other;
    const bool readOnly =
        (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
    return {kind, readOnly};
}

std::string userConfigFolder(const std::function<bool(const std::string&)>& representable) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (isAbsolute(xdg) && representable(xdg)) {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    if (!isAbsolute(home)) {
        const passwd* account = ::getpwuid(::getuid());
        home = account != nullptr ? account->pw_dir : nullptr;
    }
    if (!isAbsolute(home) || std::string(home) == "/") {
        return {};
    }
    return std::string(home) + "/.config";
}

}  // namespace quillon::platform
