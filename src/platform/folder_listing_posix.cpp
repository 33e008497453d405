#include <dirent.h>
#include <sys/stat.h>

#include "platform/folder_listing.h"

namespace quillon::platform {

namespace {

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The listing carries each entry's type on most file systems; links, and
// file systems that leave the type out, need a look at the entry itself.
unsigned char entryType(int folderFd, const dirent& entry) {
    const unsigned char type = entry.d_type;
    if (type != DT_UNKNOWN && type != DT_LNK) {
        return type;
    }
    struct stat info {};
    if (::fstatat(folderFd, entry.d_name, &info, 0) != 0) {
        return DT_UNKNOWN;
    }
    return S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
}

}  // namespace

FolderListing listFolder(const NativeText& folder, bool withFiles) {
    FolderListing listing;
    DIR* entries = folder.empty() ? nullptr : ::opendir(folder.c_str());
    if (entries == nullptr) {
        return listing;
    }
    const int folderFd = ::dirfd(entries);
    while (const dirent* entry = ::readdir(entries)) {
        if (isDotOrDotDot(entry->d_name)) {
            continue;
        }
        const unsigned char type = entryType(folderFd, *entry);
        if (type == DT_DIR) {
            listing.folders.emplace_back(entry->d_name);
        } else if (type == DT_REG && withFiles) {
            listing.files.emplace_back(entry->d_name);
        }
    }
    ::closedir(entries);
    return listing;
}

}  // namespace quillon::platform
