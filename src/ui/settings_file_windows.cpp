#include <QSettings>

#include <utility>

#include "ui/qsettings_store.h"
#include "ui/settings_file.h"

namespace quillon::ui {

namespace {

// Where the classic per-user settings functions of Windows keep an
// application's sections: options saved by earlier Windows versions of this
// program are found there, whatever this program's organisation is called.
std::string& root() {
    static std::string key = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings";
    return key;
}

QString registryPath(const QString& application) {
    return QString::fromStdString(root()) + QLatin1Char('\\') + application;
}

}  // namespace

void setRegistryRoot(std::string key) { root() = std::move(key); }

std::string registryRoot() { return root(); }

// A key cannot be a device or a pipe, and the registry writes each value
// whole, so none of the file's precautions are needed here.
QString readUserSetting(const QString& /*organization*/, const QString& application,
                        const QString& section, const QString& key) {
    QSettings settings(registryPath(application), QSettings::NativeFormat);
    return settings.value(section + "/" + key).toString();
}

bool writeUserSetting(const QString& /*organization*/, const QString& application,
                      const QString& section, const QString& key, const QString& value,
                      std::string& problem) {
    QSettings settings(registryPath(application), QSettings::NativeFormat);
    if (settings.isWritable()) {
        settings.setValue(section + "/" + key, value);
        settings.sync();
        if (settings.status() == QSettings::NoError) {
            return true;
        }
    }
    problem = "The registry key of the settings could not be written.";
    return false;
}

}  // namespace quillon::ui
