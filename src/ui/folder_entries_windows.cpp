#include <filesystem>
#include <system_error>

#include "ui/folder_entries.h"

namespace quillon::ui {

// The directory iterator keeps the type that the listing reports, so no entry
// is opened on its own.
QStringList folderEntryNames(const QString& folder, EntryKind kind) {
    namespace fs = std::filesystem;
    QStringList names;
    if (folder.isEmpty()) {
        return names;
    }
    std::error_code error;
    for (fs::directory_iterator entries(fs::path(folder.toStdWString()), error), end;
         !error && entries != end; entries.increment(error)) {
        std::error_code typeError;
        const bool wanted = kind == EntryKind::Folders ? entries->is_directory(typeError)
                                                       : entries->is_regular_file(typeError);
        if (wanted && !typeError) {
            names.append(QString::fromStdWString(entries->path().filename().wstring()));
        }
    }
    return names;
}

}  // namespace quillon::ui
