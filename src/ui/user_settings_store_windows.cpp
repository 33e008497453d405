#include <QCoreApplication>
#include <QSettings>
#include <optional>
#include <utility>

#include "platform/settings_place.h"
#include "settings/identity.h"
#include "ui/ini_settings_file.h"
#include "ui/user_settings_store.h"

namespace quillon::ui {

namespace {

// Where the classic per-user settings functions of Windows keep an
// application's sections: options saved by earlier Windows versions of this
// program are found there, whatever this program's organisation is called.
std::string& root() {
    static std::string key = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings";
    return key;
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSettings registryKey() {
    return {QString::fromStdString(root()) + QLatin1Char('\\') +
                QString::fromUtf8(settings::kProgramName),
            QSettings::NativeFormat};
}

// The file that makes this copy portable, when it is there.
std::optional<IniSettingsFile> portableFile(const QString& programFolder) {
    const QString path = programFolder + QLatin1Char('/') +
                         QString::fromUtf8(settings::kProgramName) + QStringLiteral(".ini");
    if (platform::fileStatus(path.toStdString()).kind == platform::FileStatus::Kind::Absent) {
        return std::nullopt;
    }
    return IniSettingsFile(path);
}

}  // namespace

void setRegistryRoot(std::string key) { root() = std::move(key); }

std::string registryRoot() { return root(); }

UserSettingsStore::UserSettingsStore()
    : UserSettingsStore(QCoreApplication::applicationDirPath()) {}

UserSettingsStore::UserSettingsStore(QString programFolder)
    : programFolder_(std::move(programFolder)) {}

settings::SectionTexts UserSettingsStore::readSection(std::string_view section) const {
    if (const std::optional<IniSettingsFile> file = portableFile(programFolder_)) {
        return file->readSection(section);
    }
    QSettings key = registryKey();
    key.beginGroup(fromUtf8(section));
    settings::SectionTexts texts;
    for (const QString& name : key.childKeys()) {
        texts.emplace_back(name.toStdString(), key.value(name).toString().toStdString());
    }
    return texts;
}

// The registry writes each value whole; the values go in the order given,
// so that a page's marker, which comes last, is written only after the rest.
std::string UserSettingsStore::writeSection(std::string_view section,
                                            const settings::SectionTexts& texts) {
    if (const std::optional<IniSettingsFile> file = portableFile(programFolder_)) {
        return file->writeSection(section, texts);
    }
    QSettings key = registryKey();
    if (key.isWritable()) {
        key.beginGroup(fromUtf8(section));
        for (const auto& [name, text] : texts) {
            key.setValue(fromUtf8(name), fromUtf8(text));
        }
        key.sync();
        if (key.status() == QSettings::NoError) {
            return {};
        }
    }
    return "The registry key of the settings could not be written.";
}

}  // namespace quillon::ui
