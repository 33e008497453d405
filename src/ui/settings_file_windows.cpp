#include <QSettings>

#include "ui/settings_file.h"

namespace quillon::ui {

// HKEY_CURRENT_USER\Software\<organization>\<application>: a key cannot be
// a device or a pipe, and the registry writes each value whole.

QString readUserSetting(const QString& organization, const QString& application,
                        const QString& section, const QString& key) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    return settings.value(section + "/" + key).toString();
}

bool writeUserSetting(const QString& organization, const QString& application,
                      const QString& section, const QString& key, const QString& value,
                      std::string& problem) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, organization, application);
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
