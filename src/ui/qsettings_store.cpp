#include "ui/qsettings_store.h"

#include <QSettings>
#include <QString>

namespace quillon::ui {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

#ifdef _WIN32
QString registryPath(std::string_view application) {
    return fromUtf8(registryRoot()) + QLatin1Char('\\') + fromUtf8(application);
}
#else
// The folder under which every application name of this program keeps its
// sections.
constexpr char kOrganization[] = "Quillon";
#endif

}  // namespace

// A fresh QSettings per call: nothing is cached between a save and the next
// start, and two copies of the program see each other's last save.
std::string QSettingsStore::read(std::string_view application, std::string_view section,
                                 std::string_view key) const {
#ifdef _WIN32
    QSettings settings(registryPath(application), QSettings::NativeFormat);
#else
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(kOrganization), fromUtf8(application));
#endif
    settings.beginGroup(fromUtf8(section));
    // A value that is missing or not a text (a hand-edited list, say) reads
    // as the empty text.
    return settings.value(fromUtf8(key)).toString().toStdString();
}

bool QSettingsStore::write(std::string_view application, std::string_view section,
                           std::string_view key, std::string_view value) {
#ifdef _WIN32
    QSettings settings(registryPath(application), QSettings::NativeFormat);
#else
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(kOrganization), fromUtf8(application));
#endif
    if (!settings.isWritable()) {
        return false;
    }
    settings.beginGroup(fromUtf8(section));
    settings.setValue(fromUtf8(key), fromUtf8(value));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace quillon::ui
