#include <filesystem>
#include <system_error>

#include "ui/folder_entries.h"

namespace quillon::ui {

// The directory iterator keeps the type that the listing reports, so no entry
// is opened on its own.
FolderEntries readFolder(const QString& folder, bool withFiles) {
    namespace fs = std::filesystem;
    FolderEntries entries{folder, {}, {}};
    if (folder.isEmpty()) {
        return entries;
    }
    std::error_code error;
    for (fs::directory_iterator each(fs::path(folder.toStdWString()), error), end;
         !error && each != end; each.increment(error)) {
        std::error_code typeError;
        QStringList* names = each->is_directory(typeError)                   ? &entries.folders
                             : withFiles && each->is_regular_file(typeError) ? &entries.files
                                                                             : nullptr;
        if (names != nullptr && !typeError) {
            names->append(QString::fromStdWString(each->path().filename().wstring()));
        }
    }
    return entries;
}

}  // namespace quillon::ui
