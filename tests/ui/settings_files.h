#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "settings/page_settings.h"
#include "ui/user_settings_store.h"

namespace quillon::testing {

// The store of a copy of the program whose options live in `folder` (as a
// portable copy's on Windows), and the file it keeps them in.
inline ui::UserSettingsStore storeIn(const QString& folder) {
#ifdef _WIN32
    QFile marker(folder + "/Quillon.ini");
    if (!marker.exists() && QDir().mkpath(folder)) marker.open(QIODevice::WriteOnly);
    return ui::UserSettingsStore(folder);
#else
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    return {};
#endif
}

inline QString fileIn(const QString& folder) {
#ifdef _WIN32
    return folder + "/Quillon.ini";
#else
    return folder + "/Quillon/Quillon.conf";
#endif
}

inline QString readText(ui::UserSettingsStore store, const QString& key) {
    return QString::fromStdString(settings::textOf(store.readSection("Upload"), key.toStdString()));
}

inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

}  // namespace quillon::testing
