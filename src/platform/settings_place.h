#pragma once

#include <functional>
#include <string>

namespace quillon::platform {

// Where the settings file lives, and what stands there.

// What stands at a path, links followed: a settings file is read and
// replaced only when it is a regular file or not there yet.
struct FileStatus {
    enum class Kind { Absent, Regular, Folder, Pipe, Device, Other };
    Kind kind = Kind::Absent;
    // The user took away the permission to change it (on Windows its
    // read-only attribute); an administrator's right to write anyway does
    // not count, so the user's choice holds for them too.
    bool readOnly = false;
};

// `path` is in the system's encoding for file names (UTF-8 on Windows).
FileStatus fileStatus(const std::string& path);

#ifndef _WIN32
// The folder that holds this user's settings folders: $XDG_CONFIG_HOME when
// it is an absolute path whose bytes `representable` accepts, else the
// home folder's ".config", the home folder coming from HOME or, when that is
// not absolute, from the user's account. Empty when no home is known or it
// is "/" (the settings would land at the root of the file system).
std::string userConfigFolder(const std::function<bool(const std::string&)>& representable);
#endif

}  // namespace quillon::platform
