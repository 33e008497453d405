#include <QFile>
#include <optional>

#include "platform/settings_place.h"
#include "settings/identity.h"
#include "ui/ini_settings_file.h"
#include "ui/user_settings_store.h"

namespace quillon::ui {

namespace {

// A folder whose bytes do not come back from the text Qt makes of them
// would be created and used under another name, and the real settings never
// found: such an XDG_CONFIG_HOME is passed over like a relative one.
bool representable(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    return QFile::encodeName(QFile::decodeName(raw)) == raw;
}

// Looked up at each use, as the environment may have changed in between.
std::optional<IniSettingsFile> settingsFile() {
    const std::string folder = platform::userConfigFolder(representable);
    if (folder.empty()) {
        return std::nullopt;
    }
    return IniSettingsFile(QFile::decodeName(QByteArray::fromStdString(folder)) + '/' +
                           QString::fromUtf8(settings::kOrganization) + '/' +
                           QString::fromUtf8(settings::kProgramName) + QStringLiteral(".conf"));
}

}  // namespace

UserSettingsStore::UserSettingsStore() = default;

settings::SectionTexts UserSettingsStore::readSection(std::string_view section) const {
    const std::optional<IniSettingsFile> file = settingsFile();
    return file ? file->readSection(section) : settings::SectionTexts();
}

std::string UserSettingsStore::writeSection(std::string_view section,
                                            const settings::SectionTexts& texts) {
    const std::optional<IniSettingsFile> file = settingsFile();
    if (!file) {
        return "No home folder is known (HOME is unset or \"/\"), so there is no place to keep "
               "them.";
    }
    return file->writeSection(section, texts);
}

}  // namespace quillon::ui
