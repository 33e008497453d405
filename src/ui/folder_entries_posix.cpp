#include <QFile>
#include <dirent.h>
#include <sys/stat.h>

#include "ui/folder_entries.h"

namespace quillon::ui {

namespace {

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The listing carries each entry's type on most file systems; links, and
// file systems that leave the type out, need a look at the entry itself.
// Anything but a folder or a regular file (devices, sockets) is neither.
bool entryIs(int folderFd, const dirent& entry, EntryKind kind) {
    unsigned char type = entry.d_type;
    if (type == DT_UNKNOWN || type == DT_LNK) {
        struct stat info {};
        if (::fstatat(folderFd, entry.d_name, &info, 0) != 0) {
            return false;
        }
        type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    return type == (kind == EntryKind::Folders ? DT_DIR : DT_REG);
}

// A name that is not valid in the system's encoding cannot be shown as it
// is, and the text shown for it would name no file when handed back: it is
// left out rather than offered as an entry that does nothing when chosen.
bool showable(const char* name, QString& shown) {
    shown = QFile::decodeName(name);
    return QFile::encodeName(shown) == name;
}

}  // namespace

QStringList folderEntryNames(const QString& folder, EntryKind kind) {
    QStringList names;
    DIR* listing = folder.isEmpty() ? nullptr : ::opendir(QFile::encodeName(folder).constData());
    if (listing == nullptr) {
        return names;
    }
    const int folderFd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        QString name;
        if (!isDotOrDotDot(entry->d_name) && entryIs(folderFd, *entry, kind) &&
            showable(entry->d_name, name)) {
            names.append(name);
        }
    }
    ::closedir(listing);
    return names;
}

}  // namespace quillon::ui
