// The settings file as the system may leave it: a pipe, a link, a folder, a
// full disk, a read-only file, an odd XDG_CONFIG_HOME or home; and two copies
// of the program saving at once. The store saves only where it may, says why
// when it cannot, and never loses what was saved before.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "settings/page_settings.h"
#include "settings_files.h"

using namespace quillon::testing;
using quillon::ui::UserSettingsStore;

class SettingsFileHazardsTest : public QObject {
    Q_OBJECT
private slots:
    // A pipe read (start-up hangs) or replaced, a device behind a link replaced, a link to a
    // file replaced by a file, a failed save that loses the old file or says nothing, a
    // read-only file replaced, a file's permissions lost, a refusal that changed the file, a
    // relative or undecodable XDG_CONFIG_HOME followed, a home of "/" used, a restore that
    // needs a temporary folder.
    void storeTouchesOnlyWhatItMay() {
        const QByteArray home = qgetenv("HOME"), tmp = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
        });
        ::signal(SIGXFSZ, SIG_IGN);  // a write past the size limit fails instead
        // `file` is where the options live with XDG_CONFIG_HOME at the row's folder, `aside`
        // a name beside it, `home` the folder's .config.
        using Paths = const QByteArray&;
        struct Row {
            const char* shape;
            bool hadOld;  // "old" saved before the shape is made
            std::function<bool(Paths file, Paths aside)> make;
            const char* refusal;  // a part of the reason; empty when the save must succeed
            std::function<bool(Paths file, Paths aside, Paths home)> holds;
        };
        const auto mode = [](const QByteArray& path, bool follow = false) {
            struct stat status {};
            return (follow ? ::stat(path, &status) : ::lstat(path, &status)) == 0 ? status.st_mode
                                                                                  : 0;
        };
        const auto xdg = [](const char* value) {
            return [value](Paths, Paths aside) {
                return qputenv("XDG_CONFIG_HOME", *value ? QByteArray(value) : aside + "\xff");
            };
        };
        const auto regularBytes = [&](Paths file) {
            return S_ISREG(mode(file, true)) ? bytesOf(QFile::decodeName(file)) : QByteArray();
        };
        const auto usedHome = [&](Paths, Paths, Paths home) {
            return S_ISREG(mode(home + "/Quillon/Quillon.conf")) && !QFileInfo::exists("relative");
        };
        const Row rows[] = {
            {"pipe", false, [](Paths file, Paths) { return ::mkfifo(file, 0600) == 0; },
             "is a pipe", [&](Paths file, Paths, Paths) { return S_ISFIFO(mode(file)); }},
            {"link to a pipe", false,
             [](Paths file, Paths aside) {
                 return ::mkfifo(aside, 0600) == 0 && ::symlink(aside, file) == 0;
             },
             "is a pipe", [&](Paths file, Paths, Paths) { return S_ISLNK(mode(file)); }},
            {"link to a device", false,
             [](Paths file, Paths) { return ::symlink("/dev/null", file) == 0; }, "is a device",
             [&](Paths file, Paths, Paths) { return S_ISLNK(mode(file)); }},
            {"link to a file", true,
             [](Paths file, Paths aside) {
                 return ::rename(file, aside) == 0 && ::symlink(aside, file) == 0;
             },
             "",
             [&](Paths file, Paths aside, Paths) {
                 return S_ISLNK(mode(file)) && S_ISREG(mode(aside));
             }},
            {"full disk", true, nullptr, "saved before are kept", nullptr},
            {"folder", false, [](Paths file, Paths) { return ::mkdir(file, 0700) == 0; },
             "is a folder", nullptr},
            {"read-only file", true, [](Paths file, Paths) { return ::chmod(file, 0444) == 0; },
             "read-only", [&](Paths file, Paths, Paths) { return (mode(file) & 07777) == 0444; }},
            {"file of its own permissions", true,
             [](Paths file, Paths) { return ::chmod(file, 0604) == 0; }, "",
             [&](Paths file, Paths, Paths) { return (mode(file) & 07777) == 0604; }},
            {"TMPDIR a file", true,
             [](Paths, Paths aside) { return writeBytes(aside, "") && qputenv("TMPDIR", aside); },
             "", nullptr},
            {"XDG_CONFIG_HOME a file", false,
             [](Paths, Paths aside) {
                 return writeBytes(aside, "") && qputenv("XDG_CONFIG_HOME", aside);
             },
             "could not be written", nullptr},
            {"XDG_CONFIG_HOME relative", false, xdg("relative"), "", usedHome},
            {"XDG_CONFIG_HOME undecodable", false, xdg(""), "",
             [&](Paths file, Paths aside, Paths home) {
                 return usedHome(file, aside, home) && mode(aside + "\xff") == 0 &&
                        !QFileInfo::exists(QFile::decodeName(aside + "\xff"));
             }},
            {"home at the root", false,
             [](Paths, Paths) { return qunsetenv("XDG_CONFIG_HOME") && qputenv("HOME", "/"); },
             "No home folder",
             [](Paths, Paths, Paths) { return !QFileInfo::exists("/.config/Quillon"); }},
        };
        for (const Row& row : rows) {
            QTemporaryDir temp;
            const QByteArray folder = QFile::encodeName(temp.path());
            const QByteArray file = QFile::encodeName(fileIn(temp.path()));
            const QByteArray aside = folder + "/aside";
            qputenv("HOME", folder);
            QVERIFY(QDir().mkpath(QFileInfo(QFile::decodeName(file)).path()));
            UserSettingsStore store = storeIn(temp.path());
            QVERIFY(!row.hadOld || store.writeSection("Upload", {{"k", "old"}}).empty());
            QVERIFY2(!row.make || row.make(file, aside), row.shape);
            const QByteArray before = regularBytes(file);
            const QString old = row.hadOld ? "old" : "";
            QCOMPARE(readText(store, "k"), old);
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit unlimited = limit;
            limit.rlim_cur = row.make ? limit.rlim_cur : 200;  // a full disk
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const std::string refusal =
                store.writeSection("Upload", {{"k", std::string(300, 'x')}});
            ::setrlimit(RLIMIT_FSIZE, &unlimited);
            QVERIFY2(refusal.empty() == (*row.refusal == '\0') &&
                         refusal.find(row.refusal) != std::string::npos,
                     (row.shape + (": " + refusal)).c_str());
            QCOMPARE(readText(store, "k"), refusal.empty() ? QString(300, 'x') : old);
            QVERIFY2(refusal.empty() || regularBytes(file) == before, row.shape);
            QVERIFY2(!row.holds || row.holds(file, aside, folder + "/.config"), row.shape);
        }
    }

    // Two copies saving at once without a lock: one page is lost, or a save is refused.
    void twoCopiesSavingAtOnceKeepBothPages() {
        QTemporaryDir temp;
        storeIn(temp.path());
        QProcess upload, dump;
        for (QProcess* saver : {&upload, &dump}) {
            saver->start(QUILLON_SETTINGS_SAVER, {saver == &upload ? "Upload" : "Dump", "50"});
        }
        for (QProcess* saver : {&upload, &dump}) {
            QVERIFY(saver->waitForFinished(-1));
            QVERIFY2(saver->exitStatus() == QProcess::NormalExit && saver->exitCode() == 0,
                     saver->readAllStandardError().constData());
        }
        UserSettingsStore store;
        QCOMPARE(
            quillon::settings::loadUpload(store)->port + quillon::settings::loadDump(store)->port,
            "Port 49Port 49");
    }
};

QTEST_GUILESS_MAIN(SettingsFileHazardsTest)
#include "settings_file_hazards_test.moc"
