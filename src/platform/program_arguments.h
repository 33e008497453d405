#pragma once

#include <vector>

#include "platform/native_path.h"

namespace quillon::platform {

// The program's arguments as the system holds them, one for each entry of
// `argv`: argv's bytes on POSIX systems; on Windows the UTF-16 command line,
// since argv carries it in the ANSI code page, which cannot hold every name.
std::vector<NativeText> programArguments(int argc, char** argv);

}  // namespace quillon::platform
