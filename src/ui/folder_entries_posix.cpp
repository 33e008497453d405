#include <dirent.h>
#include <sys/stat.h>
#include <QFile>

#include "ui/folder_entries.h"

namespace quillon::ui {

namespace {

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The listing carries each entry's type on most file systems; links, and
// file systems that leave the type out, need a look at the entry itself.
// Anything but a folder or a regular file (devices, sockets) is neither.
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

// A name that is not valid in the system's encoding cannot be shown as it
// is, and the text shown for it would name no file when handed back: it is
// left out rather than offered as an entry that does nothing when chosen.
bool showable(const char* name, QString& shown) {
    // Names are almost always plain ASCII, which reads the same in every
    // system encoding: no round trip through the system's codec is needed.
    const char* end = name;
    while (*end != '\0' && static_cast<unsigned char>(*end) < 0x80) {
        ++end;
    }
    if (*end == '\0') {
        shown = QString::fromLatin1(name, end - name);
        return true;
    }
    shown = QFile::decodeName(name);
    return QFile::encodeName(shown) == name;
}

}  // namespace

FolderEntries readFolder(const QString& folder, bool withFiles) {
    FolderEntries entries{folder, {}, {}};
    DIR* listing = folder.isEmpty() ? nullptr : ::opendir(QFile::encodeName(folder).constData());
    if (listing == nullptr) {
        return entries;
    }
    const int folderFd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        if (isDotOrDotDot(entry->d_name)) {
            continue;
        }
        const unsigned char type = entryType(folderFd, *entry);
        QStringList* names = type == DT_DIR                ? &entries.folders
                             : type == DT_REG && withFiles ? &entries.files
                                                           : nullptr;
        QString name;
        if (names != nullptr && showable(entry->d_name, name)) {
            names->append(name);
        }
    }
    ::closedir(listing);
    return entries;
}

}  // namespace quillon::ui
