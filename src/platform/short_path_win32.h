#pragma once

#include <string>

namespace quillon::platform {

// The short (8.3) form of `path`, as the ANSI GetShortPathNameA reports it
// into a buffer of 165 characters whose length it is told is 164, converted
// back to UTF-8; asked of the wide call, so that a path longer than 260
// characters has one too. Empty when the system gives none (a missing path,
// a path or short form that cannot be written in the ANSI code page), when
// the short form, at 164 characters or more, does not fit the buffer, and
// when it opens another file than `path` does, or `path` does not open.
std::string shortPathName(const std::string& path);

}  // namespace quillon::platform
