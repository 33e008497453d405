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

// The file's text; empty when it is not there, nothing when it cannot be
// read. Read straight into memory the system fills: a large file's text is
// neither copied nor cleared first.
std::optional<QByteArray> contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.exists() ? std::nullopt : std::optional(QByteArray());
    }
    QByteArray text;
    text.resize(file.size());
    const qint64 read = file.read(text.data(), text.size());
    if (read < 0 || !file.atEnd()) {
        return std::nullopt;
    }
    text.resize(read);
    return text;
}

// The file's text with the edits made, written piece by piece.
bool writeEdited(QSaveFile& out, std::string_view text,
                 const std::vector<settings::IniEdit>& edits) {
    const auto put = [&out](std::string_view piece) {
        return out.write(piece.data(), static_cast<qint64>(piece.size())) ==
               static_cast<qint64>(piece.size());
    };
    std::size_t at = 0;
    for (const settings::IniEdit& edit : edits) {
        if (!put(text.substr(at, edit.from - at)) || !put(edit.text)) return false;
        at = edit.to;
    }
    return put(text.substr(at));
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
    const auto edits = settings::iniSectionEdits(view(*before), section, texts, kLineEnd);
    if (!edits) {
        return file +
               " ends in an unfinished value (an open quote or a trailing backslash); "
               "it was left untouched.";
    }
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !writeEdited(out, view(*before), *edits) || !out.commit()) {
        return unwritten;
    }
    return {};
}

}  // namespace quillon::ui
