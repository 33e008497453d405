#include "ui/folder_entries.h"

#include "platform/folder_listing.h"
#include "ui/system_path.h"

namespace quillon::ui {

namespace {

// A name without exact text would name no file when handed back: it is left
// out rather than offered as an entry that does nothing when chosen.
QStringList shownNames(const std::vector<platform::NativeText>& names) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(names.size()));
    for (const platform::NativeText& name : names) {
        if (std::optional<QString> text = exactText(name)) {
            shown.append(std::move(*text));
        }
    }
    return shown;
}

}  // namespace

FolderEntries readFolder(const QString& folder, bool withFiles) {
    FolderEntries entries{folder, {}, {}};
    if (folder.isEmpty()) {
        return entries;
    }
    const platform::FolderListing listing = platform::listFolder(nativeText(folder), withFiles);
    entries.folders = shownNames(listing.folders);
    entries.files = shownNames(listing.files);
    return entries;
}

}  // namespace quillon::ui
