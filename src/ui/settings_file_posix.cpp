#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QTemporaryFile>
#include <optional>

#include "ui/settings_file.h"

namespace quillon::ui {

namespace {

bool isAbsolute(const QByteArray& path) { return path.startsWith('/'); }

// The base directory rules: a relative XDG_CONFIG_HOME is ignored, and the
// home folder comes from HOME or, when that is unset, from the user's
// account. A home of "/" is no home: the file would land at the root.
QByteArray configFolder() {
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    if (isAbsolute(xdg)) {
        return xdg;
    }
    QByteArray home = qgetenv("HOME");
    if (!isAbsolute(home)) {
        const passwd* account = ::getpwuid(::getuid());
        home = account && account->pw_dir ? QByteArray(account->pw_dir) : QByteArray();
    }
    if (!isAbsolute(home) || home == "/") {
        return {};
    }
    return home + "/.config";
}

const char* kindOf(mode_t mode) {
    if (S_ISFIFO(mode)) {
        return "a pipe";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    return S_ISDIR(mode) ? "a folder" : "not a regular file";
}

// The file to read and write, links followed (a link to nowhere yet names
// the file it will create); nothing, with `problem` set, when it must not
// be touched. `status` is the file's, when it exists (st_mode 0 otherwise).
std::optional<QString> settingsFile(const QString& organization, const QString& application,
                                    std::string& problem, struct stat& status) {
    const QByteArray folder = configFolder();
    if (folder.isEmpty()) {
        problem =
            "No home folder is known (HOME is unset or \"/\"), so there is no place to keep "
            "them.";
        return std::nullopt;
    }
    QFileInfo file(QFile::decodeName(folder) + "/" + organization + "/" + application + ".conf");
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth) {
        file.setFile(file.symLinkTarget());
    }
    status = {};
    const QByteArray path = QFile::encodeName(file.absoluteFilePath());
    if (::stat(path.constData(), &status) != 0) {
        status.st_mode = 0;
    } else if (!S_ISREG(status.st_mode)) {
        problem = "The settings file " + path.toStdString() + " is " + kindOf(status.st_mode) +
                  "; it was left untouched.";
        return std::nullopt;
    }
    return file.absoluteFilePath();
}

// Every value of the INI file at `path`, or nothing when it cannot be read.
// QSettings keeps each file it parsed in memory under the file's name and
// trusts that copy while the size and the time to the millisecond agree, so
// a file replaced within one millisecond by one of the same size (two saves
// in a row, another copy's save) would read as the old one. The file is
// read under a name of its own instead: a link that lives for this read.
std::optional<QVariantMap> readFresh(const QString& path) {
    QString name;
    {
        QTemporaryFile placeholder(QDir::tempPath() + QStringLiteral("/quillon-read-XXXXXX"));
        if (!placeholder.open()) {
            return std::nullopt;
        }
        name = placeholder.fileName();
    }
    const QByteArray link = QFile::encodeName(name);
    if (::symlink(QFile::encodeName(QFileInfo(path).absoluteFilePath()).constData(),
                  link.constData()) != 0) {
        return std::nullopt;
    }
    std::optional<QVariantMap> values;
    {
        const QSettings settings(name, QSettings::IniFormat);
        if (settings.status() == QSettings::NoError) {
            values.emplace();
            for (const QString& each : settings.allKeys()) {
                values->insert(each, settings.value(each));
            }
        }
    }
    ::unlink(link.constData());
    return values;
}

// The texts of the settings file read last, and which file that was. A
// restore reads a page's keys one by one; the file is parsed once for all
// of them while it stays the same file: the same device, inode, size and
// times of change. A save, ours or another copy's, puts a new file in place
// (a new inode), so the next read sees it.
struct ReadSettings {
    QString path;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    timespec changed{};
    QHash<QString, QString> texts;

    bool sameFile(const QString& other, const struct stat& status) const {
        return path == other && device == status.st_dev && inode == status.st_ino &&
               size == status.st_size && modified.tv_sec == status.st_mtim.tv_sec &&
               modified.tv_nsec == status.st_mtim.tv_nsec &&
               changed.tv_sec == status.st_ctim.tv_sec && changed.tv_nsec == status.st_ctim.tv_nsec;
    }
};

ReadSettings& lastRead() {
    static ReadSettings last;
    return last;
}

// A value that is missing or not a text (a hand-edited list, say) reads as
// the empty text.
const ReadSettings& readSettings(const QString& file, const struct stat& status) {
    ReadSettings& last = lastRead();
    if (!last.sameFile(file, status)) {
        last = {file, status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim,
                {}};
        const QVariantMap values = readFresh(file).value_or(QVariantMap());
        for (auto each = values.cbegin(); each != values.cend(); ++each) {
            last.texts.insert(each.key(), each.value().toString());
        }
    }
    return last;
}

// QSettings reports no error when a write is cut short (a full disk, a size
// limit) and then puts the cut file in place of the old one. So the new
// file is written beside the old one, read back, and only when it holds
// every value does it take the old one's place.
bool writeChecked(const QString& target, const QVariantMap& values, std::string& problem) {
    const std::string failed = "The settings file " + QFile::encodeName(target).toStdString() +
                               " could not be written (a read-only folder or a full disk); the "
                               "settings saved before are kept.";
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        problem = failed;
        return false;
    }
    QTemporaryFile scratch(target + QStringLiteral(".XXXXXX"));
    scratch.setAutoRemove(false);
    if (!scratch.open()) {
        problem = failed;
        return false;
    }
    const QString written = scratch.fileName();
    scratch.close();
    {
        QSettings out(written, QSettings::IniFormat);
        for (auto each = values.cbegin(); each != values.cend(); ++each) {
            out.setValue(each.key(), each.value());
        }
        out.sync();
    }
    const QByteArray from = QFile::encodeName(written), to = QFile::encodeName(target);
    bool whole = readFresh(written) == values;
    struct stat old {};
    if (whole && ::stat(to.constData(), &old) == 0) {
        whole = ::chmod(from.constData(), old.st_mode & 07777) == 0;
    }
    if (!whole || ::rename(from.constData(), to.constData()) != 0) {
        ::unlink(from.constData());
        problem = failed;
        return false;
    }
    return true;
}

}  // namespace

QString readUserSetting(const QString& organization, const QString& application,
                        const QString& section, const QString& key) {
    std::string problem;
    struct stat status {};
    const std::optional<QString> file = settingsFile(organization, application, problem, status);
    if (!file || status.st_mode == 0) {
        return {};
    }
    return readSettings(*file, status).texts.value(section + "/" + key);
}

bool writeUserSetting(const QString& organization, const QString& application,
                      const QString& section, const QString& key, const QString& value,
                      std::string& problem) {
    // A file that replaced one may get its inode, and within one tick of the
    // clock its times too; what we write ourselves is never taken for what
    // was read before.
    lastRead() = {};
    struct stat status {};
    const std::optional<QString> file = settingsFile(organization, application, problem, status);
    if (!file) {
        return false;
    }
    std::optional<QVariantMap> values = readFresh(*file);
    if (!values) {
        problem = "The settings file " + QFile::encodeName(*file).toStdString() +
                  " could not be read; it was left untouched.";
        return false;
    }
    values->insert(section + "/" + key, value);
    return writeChecked(*file, *values, problem);
}

}  // namespace quillon::ui
