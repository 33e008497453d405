#pragma once

#include <QString>
#include <QStringList>

namespace quillon::ui {

// What one pass over a folder's listing found (platform::listFolder): its
// subfolders and, when asked for, its regular files, each in the order the
// system lists them, hidden ones included, each name that has exact text
// (ui/system_path.h). A folder that cannot be read has none.
struct FolderEntries {
    QString folder;  // as it was read
    QStringList folders;
    QStringList files;
};

// The files come along when a file list will show them, so that the folder
// is read once for both lists.
FolderEntries readFolder(const QString& folder, bool withFiles);

}  // namespace quillon::ui
