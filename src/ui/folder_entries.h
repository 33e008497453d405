#pragma once

#include <QString>
#include <QStringList>

namespace quillon::ui {

enum class EntryKind { Files, Folders };

// The names of one kind of entry of a folder (regular files, or folders),
// in the order the system lists them, hidden ones included. One pass over
// the listing, and only the names of the wanted kind become text: a ROM folder
// of a hundred thousand files lists its few subfolders at the cost of a
// directory read. A folder that cannot be read gives none.
QStringList folderEntryNames(const QString& folder, EntryKind kind);

}  // namespace quillon::ui
