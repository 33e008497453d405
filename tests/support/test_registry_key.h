#pragma once

#ifdef _WIN32
#include <QSettings>
#include <QString>
#include <QUuid>
#include <string>

#include "ui/user_settings_store.h"

namespace quillon::testing {

// The registry outlives a test, and the user's options live in it: while one
// of these is alive the store writes under a key of its own, deleted at the end.
class TestRegistryKey {
public:
    TestRegistryKey() : previous_(ui::registryRoot()) { ui::setRegistryRoot(path().toStdString()); }
    ~TestRegistryKey() {
        QSettings(QString::fromLatin1(kParent), QSettings::NativeFormat).remove(name_);
        ui::setRegistryRoot(previous_);
    }
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    QString path() const { return QString::fromLatin1(kParent) + QLatin1Char('\\') + name_; }

private:
    static constexpr char kParent[] = "HKEY_CURRENT_USER\\Software\\Quillon tests";
    const QString name_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const std::string previous_;
};

}  // namespace quillon::testing
#endif
