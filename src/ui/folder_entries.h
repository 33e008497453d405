#pragma once

#include <QString>
#include <QStringList>

namespace quillon::ui {

// What one pass over a folder's listing found: its subfolders and, when
// asked for, its regular files, each in the order the system lists them,
// hidden ones included. A folder that cannot be read has none.
struct FolderEntries {
    QString folder;  // as it was read
    QStringList folders;
    QStringList files;
};

// Only the names of the wanted kinds become text: a ROM folder of a hundred
// thousand files lists its few subfolders at the cost of a directory read.
// The files come along when a file list will show them, so that the folder
// is read once for both lists.
FolderEntries readFolder(const QString& folder, bool withFiles);

}  // namespace quillon::ui
