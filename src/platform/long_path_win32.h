#pragma once

#include <string>
#include <string_view>

namespace quillon::platform {

// Windows holds the paths its calls take to 260 characters (MAX_PATH), and a
// folder to 248, unless the program says it handles longer ones (our
// manifest does) and the system allows them (LongPathsEnabled, off by
// default). The "\\?\" form of an absolute path passes any length to the
// wide calls whatever the settings. It is taken as it stands: no "." or
// ".." resolved, no blanks or dots trimmed; paths as this program composes
// them (absolute and cleaned) are such.

// The "\\?\" form of an absolute drive or network path too long for the
// plain form, its separators made single "\"; any other path as it is.
std::wstring extendedLengthPath(std::wstring_view path);

// The "\\?\" form of an absolute drive or network path whatever its length,
// which opens the file named exactly so (a plain path loses a blank or a dot
// at the end of a name); any other path as it is.
std::wstring exactPath(std::wstring_view path);

// A path as the system reports it, with the "\\?\" put in front by
// extendedLengthPath taken away again.
std::wstring plainPath(std::wstring_view path);

}  // namespace quillon::platform
