#include "ui/ini_settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <optional>

#include "platform/settings_place.h"
#include "settings/ini_file.h"

namespace quillon::ui {

namespace {

using Kind = platform::FileStatus::Kind;

// Long enough for another copy to save a very large file; a lock held
// longer than that belongs to a copy that hangs.
constexpr int kLockWaitMs = 10000;

#ifdef Q_OS_WIN
constexpr std::string_view kLineEnd = "\r\n";
#else
constexpr std::string_view kLineEnd = "\n";
#endif

platform::FileStatus statusOf(const QString& path) {
    return platform::fileStatus(path.toStdString());
}

// What the file is when it must be left alone; empty when it may be read
// and replaced.
std::string unusableKind(Kind kind) {
    switch (kind) {
        case Kind::Absent:
        case Kind::Regular:
            return {};
        case Kind::Folder:
            return "a folder";
        case Kind::Pipe:
            return "a pipe";
        case Kind::Device:
            return "a device";
        case Kind::Other:
            break;
    }
    return "not a regular file";
}

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// The file's text; empty when it is not there, nothing when it cannot be read.
std::optional<QByteArray> contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.exists() ? std::nullopt : std::optional(QByteArray());
    }
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

settings::SectionTexts IniSettingsFile::readSection(std::string_view section) const {
    if (statusOf(path_).kind != Kind::Regular) {
        return {};
    }
    const std::optional<QByteArray> text = contents(path_);
    return text ? settings::readIniSection(view(*text), section) : settings::SectionTexts();
}

// QSaveFile writes the new file beside the old one and puts it in place on
// commit, following a link to the file it names. Written through a buffer, a
// write cut short (a full disk, a size limit) would pass for a whole one and
// the cut file would replace the old: unbuffered, the count of bytes written
// tells, and a cut file is dropped before it replaces anything.
std::string IniSettingsFile::writeSection(std::string_view section,
                                          const settings::SectionTexts& texts) const {
    const std::string file = "The settings file " + QDir::toNativeSeparators(path_).toStdString();
    const platform::FileStatus status = statusOf(path_);
    if (const std::string kind = unusableKind(status.kind); !kind.empty()) {
        return file + " is " + kind + "; it was left untouched.";
    }
    if (status.kind == Kind::Regular && status.readOnly) {
        return file + " is read-only; it was left as it is. Allow changes to it to save here.";
    }
    const std::string unwritten = file +
                                  " could not be written (a read-only folder or a full disk); the "
                                  "settings saved before are kept.";
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        return unwritten;
    }
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        return lock.error() == QLockFile::LockFailedError
                   ? file + " is kept busy by another copy of the program; try again."
                   : unwritten;
    }
    const std::optional<QByteArray> before = contents(path_);
    if (!before) {
        return file + " could not be read; it was left untouched.";
    }
    const std::optional<std::string> after =
        settings::withIniSection(view(*before), section, texts, kLineEnd);
    if (!after) {
        return file +
               " ends in an unfinished value (an open quote or a trailing backslash); "
               "it was left untouched.";
    }
    QSaveFile out(path_);
    const auto size = static_cast<qint64>(after->size());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        out.write(after->data(), size) != size || !out.commit()) {
        return unwritten;
    }
    return {};
}

}  // namespace quillon::ui
