#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::platform {

// Where this system lists its parallel ports: on POSIX systems the root
// folder under which dev/parportN and proc/sys/dev/parport/ are read ("/"),
// on Windows the registry key of the LPT names. Tests give a made-up tree or
// a key of their own.
std::string_view systemPortSource();

// The line that says the system lists none.
inline constexpr std::string_view kNoParallelPort = "No parallel port is listed by the system.";

// One line per parallel port listed under `source`, in the order of their
// numbers, saying what a user needs to tell "no port" from "no permission":
// on Linux each /dev/parportN with its base address and whether this user
// may open it for reading and writing (and how to be allowed when not); on
// Windows the LPT names. kNoParallelPort when there is none.
std::vector<std::string> parallelPortLines(const std::string& source);

}  // namespace quillon::platform
