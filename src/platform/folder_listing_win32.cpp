#include <system_error>

#include "platform/folder_listing.h"

namespace quillon::platform {

// The directory iterator keeps the type that the listing reports, so no entry
// is opened on its own.
FolderListing listFolder(const NativeText& folder, bool withFiles) {
    namespace fs = std::filesystem;
    FolderListing listing;
    if (folder.empty()) {
        return listing;
    }
    std::error_code error;
    for (fs::directory_iterator each(fs::path(folder), error), end; !error && each != end;
         each.increment(error)) {
        std::error_code typeError;
        std::vector<NativeText>* names = each->is_directory(typeError) ? &listing.folders
                                         : withFiles && each->is_regular_file(typeError)
                                             ? &listing.files
                                             : nullptr;
        if (names != nullptr && !typeError) {
            names->push_back(each->path().filename().native());
        }
    }
    return listing;
}

}  // namespace quillon::platform
