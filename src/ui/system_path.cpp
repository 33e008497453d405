#include "ui/system_path.h"

#include <QFile>
#include <QUrl>
#include <algorithm>

namespace quillon::ui {

#ifdef _WIN32
// UTF-16 names are text as they stand.
platform::NativeText nativeText(const QString& text) { return text.toStdWString(); }

std::optional<QString> exactText(const platform::NativeText& native) {
    return QString::fromStdWString(native);
}

QString readableText(const platform::NativeText& native) { return QString::fromStdWString(native); }
#else
platform::NativeText nativeText(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

std::optional<QString> exactText(const platform::NativeText& native) {
    // Names are almost always plain ASCII, which reads the same in every
    // system encoding: a folder of a hundred thousand of them needs no
    // round trip through the system's codec.
    const auto ascii = [](char byte) { return static_cast<unsigned char>(byte) < 0x80; };
    if (std::all_of(native.begin(), native.end(), ascii)) {
        return QString::fromLatin1(native.data(), static_cast<qsizetype>(native.size()));
    }
    const QByteArray bytes = QByteArray::fromStdString(native);
    QString text = QFile::decodeName(bytes);
    if (QFile::encodeName(text) != bytes) {
        return std::nullopt;
    }
    return text;
}

QString readableText(const platform::NativeText& native) {
    return QFile::decodeName(QByteArray::fromStdString(native));
}
#endif

std::optional<QString> systemPath(const platform::NativeText& path) {
    const std::optional<platform::NativeText> resolved = platform::resolvedPath(path);
    return resolved ? exactText(*resolved) : std::nullopt;
}

std::optional<QString> systemPath(const QUrl& link) {
    if (!link.isLocalFile()) {
        return std::nullopt;
    }
    // A file link carries its path as UTF-8, percent-encoded; the toolkit
    // reads bytes that are not UTF-8 (a POSIX name in another encoding) as
    // U+FFFD.
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(link.path(QUrl::FullyEncoded).toLatin1());
    if (QString::fromUtf8(bytes).toUtf8() != bytes) {
        return std::nullopt;
    }
    return systemPath(nativeText(link.toLocalFile()));
}

std::optional<QString> currentFolder() {
    const std::optional<platform::NativeText> folder = platform::currentFolder();
    return folder ? exactText(*folder) : std::nullopt;
}

}  // namespace quillon::ui
