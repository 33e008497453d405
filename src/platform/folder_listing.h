#pragma once

#include <vector>

#include "platform/native_path.h"

namespace quillon::platform {

// What one pass over a folder's listing found, each kind in the order the
// system lists it, hidden entries included. A link counts as what it points
// to; anything that is neither a folder nor a regular file (a device, a
// socket, a broken link) is left out.
struct FolderListing {
    std::vector<NativeText> folders;
    std::vector<NativeText> files;  // only when asked for
};

// A folder that cannot be read lists nothing. The files are left unread
// when they are not wanted: a ROM folder of a hundred thousand files lists
// its few subfolders at the cost of a directory read.
FolderListing listFolder(const NativeText& folder, bool withFiles);

}  // namespace quillon::platform
