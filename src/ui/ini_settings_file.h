#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace quillon::ui {

// One INI settings file, shared with other copies of this program and with
// other programs. A section is read from one look at the file, and written
// in one step under a lock beside it ("<file>.lock", the lock QSettings
// takes too): the file as it then is, with the section's keys changed and
// every other byte kept, replaces it whole, so that a reader never sees half
// a file and two copies saving at once both keep their pages.
//
// The file is read and written only when it is a regular file, a link to
// one (written through, so the link stays), or not there yet: a device or a
// pipe is never read (reading a pipe would hang) nor replaced by a file, and
// a file the user made read-only is left as it is. A replaced file keeps
// its permissions.
class IniSettingsFile {
public:
    explicit IniSettingsFile(QString path) : path_(std::move(path)) {}

    // Nothing when the file is not there or cannot be read.
    settings::SectionTexts readSection(std::string_view section) const;

    // Empty when stored; otherwise why not, in words for the user, and the
    // file is as it was.
    std::string writeSection(std::string_view section, const settings::SectionTexts& texts) const;

private:
    QString path_;
};

}  // namespace quillon::ui
