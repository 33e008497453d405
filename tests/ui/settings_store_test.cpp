// The user's settings store on real files, beside real QSettings: what it
// keeps, what it leaves alone, and two copies of the program saving at once.
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>
#include <set>

#include "settings/page_settings.h"
#include "support/test_registry_key.h"
#include "ui/user_settings_store.h"

using quillon::settings::textOf;
using quillon::ui::UserSettingsStore;

namespace {

// The store of a copy of the program whose options live in `folder` (as a
// portable copy's on Windows), and the file it keeps them in.
UserSettingsStore storeIn(const QString& folder) {
#ifdef _WIN32
    QFile marker(folder + "/Quillon.ini");
    if (!marker.exists() && QDir().mkpath(folder)) marker.open(QIODevice::WriteOnly);
    return UserSettingsStore(folder);
#else
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    return {};
#endif
}

QString fileIn(const QString& folder) {
#ifdef _WIN32
    return folder + "/Quillon.ini";
#else
    return folder + "/Quillon/Quillon.conf";
#endif
}

QString readText(UserSettingsStore store, const QString& key) {
    return QString::fromStdString(textOf(store.readSection("Upload"), key.toStdString()));
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        temp_.emplace();
#ifdef _WIN32
        registry_.emplace();
#endif
    }
    void cleanup() {
        temp_.reset();
#ifdef _WIN32
        registry_.reset();
#endif
    }

    void textsAreKeptAsQSettingsKeepsThem_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        int row = 0;
        for (const char* text :
             {"Double ", " Port 1", "", "a, b", "x=y;z #not a comment", "\"C:\\ROMS\\\"",
              "one\ntwo\r\t", "@Variant(junk)", "@@at", "Zoë ☃ 漢字 😀",
              "\x01"
              "1f\x7f\x1b[0m",
              "ends in \\", "\\x41 \\; ?"}) {
            QTest::addRow("text %d", ++row) << "cboDouble" << QString::fromUtf8(text);
        }
        for (const char* key : {"Zoë key", "漢", "a.b-c_d"}) {
            QTest::addRow("key %d", ++row) << QString::fromUtf8(key) << "value";
        }
    }
    // A text or key written in another form than QSettings', or read otherwise.
    void textsAreKeptAsQSettingsKeepsThem() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        const QString theirs = temp_->filePath("theirs"), ours = temp_->filePath("ours");
        QSettings(fileIn(theirs), QSettings::IniFormat).setValue("Upload/" + key, text);
        QCOMPARE(readText(storeIn(theirs), key), text);
        const std::string refusal =
            storeIn(ours).writeSection("Upload", {{key.toStdString(), text.toStdString()}});
        QCOMPARE(QString::fromStdString(refusal), QString());
        QCOMPARE(QSettings(fileIn(ours), QSettings::IniFormat).value("Upload/" + key), text);
    }

    void linesAreReadAsQSettingsReadsThem_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("comments and blanks")
            << QByteArray("; head\n[Upload]\n  k = v # x ;tail\n\tq=a\\;b\n; c\n  o=1\n");
        QTest::newRow("quotes and escapes") << QByteArray(
            "[Upload]\nv=\"a\" b \"c\"  \nw=  x  \\t  \nx=\\x1F600\\101\\q\\\"\n"
            "y=\"m\nn\"\nz=a\\\r\nb\nlast=a  \\");
        QTest::newRow("typed values and lists") << QByteArray(
            "[Upload]\na=@String(x)\nb=@Rect(1 2)\nc=@Size(1 2)\nd=@Point(1 2 3)\n"
            "e=@Invalid()\nf=@Variant(\\0\\0\\0\\x6\\x7f\\xf8\\0\\0\\0\\0\\0\\0)\n"
            "g=@ByteArray(abc)\nh=@@x\ni=l, m\n");
        QTest::newRow("sections") << QByteArray(
            "\xEF\xBB\xBF[Upload]\r\nk=1\r\n[upload]\nk=lower\n[ Up%6Coad ] x\n"
            "k=2\nk=3\n[Other]\\\n[Upload]\nk=4\nj=5\n");
    }
    // Lines, sections, comments or escapes found otherwise than QSettings finds them; a value
    // that is not a text read as one.
    void linesAreReadAsQSettingsReadsThem() {
        QFETCH(QByteArray, file);
        QVERIFY(writeBytes(fileIn(temp_->path()), file));
        const quillon::settings::SectionTexts ours = storeIn(temp_->path()).readSection("Upload");
        QSettings theirs(fileIn(temp_->path()), QSettings::IniFormat);
        theirs.beginGroup("Upload");
        std::set<std::string> keys;
        for (const auto& each : ours) keys.insert(each.first);
        QCOMPARE(keys.size(), static_cast<std::size_t>(theirs.allKeys().size()));
        for (const QString& key : theirs.allKeys()) {
            const QVariant value = theirs.value(key);
            const bool text =
                value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
            QCOMPARE(key + "=" + QString::fromStdString(textOf(ours, key.toStdString())),
                     key + "=" + (text ? value.toString() : QString()));
        }
    }

    // Another program's text rewritten, or a value that does not compare equal to itself (NaN)
    // making the save fail.
    void foreignTextIsKeptByteForByte() {
        QByteArray foreign =
            "; kept by hand\n[Foreign]\n  spaced   =   out  ; note\r\n"
            "nan=@Variant(\\0\\0\\0\\x6\\x7f\\xf8\\0\\0\\0\\0\\0\\0)\n"
            "\"quoted key\"=\"over\nlines\"\n";
        for (int line = 0; foreign.size() < 2 * 1024 * 1024; ++line) {
            foreign += "key" + QByteArray::number(line) + " = value,\t" + QByteArray::number(line) +
                       " ;\n";
        }
        const QByteArray after = "\n[After]\nx=1\n";
        QVERIFY(writeBytes(fileIn(temp_->path()), foreign + "[Upload]\nchkFast=False\n" + after));
        const std::string refusal =
            storeIn(temp_->path())
                .writeSection("Upload", {{"chkFast", "True"}, {"cboLPT", "Port 2"}});
        QCOMPARE(QString::fromStdString(refusal), QString());
        QVERIFY(bytesOf(fileIn(temp_->path())) ==
                foreign + "[Upload]\nchkFast=True\ncboLPT=Port 2\n" + after);
        QSettings theirs(fileIn(temp_->path()), QSettings::IniFormat);
        QCOMPARE(theirs.value("Upload/chkFast").toString() + theirs.value("After/x").toString(),
                 "True1");
    }

#ifndef _WIN32
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
            QVERIFY(!row.hadOld || store.writeSection("Upload", {{ "k", "old" }}).empty());
            QVERIFY2(!row.make || row.make(file, aside), row.shape);
            const QByteArray before = regularBytes(file);
            const QString old = row.hadOld ? "old" : "";
            QCOMPARE(readText(store, "k"), old);
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit unlimited = limit;
            limit.rlim_cur = row.make ? limit.rlim_cur : 200;  // a full disk
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const std::string refusal = store.writeSection("Upload",
                                                           {{ "k",
                                                              std::string(300, 'x') }});
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
        storeIn(temp_->path());
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
#endif

#ifdef _WIN32
    // A portable copy writing to the registry, an installed copy not finding the options where
    // earlier versions kept them, a refused registry write that says nothing.
    void eachCopyKeepsItsOptionsWhereItSays() {
        QCOMPARE(kUsersRoot, "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings");
        const QString portable = temp_->filePath("portable"),
                      installed = temp_->filePath("installed");
        QVERIFY(writeBytes(portable + "/Quillon.ini", "") && QDir().mkpath(installed));
        QCOMPARE(UserSettingsStore(portable).writeSection("Upload", {{ "cboLPT", "Port 2" }}), "");
        const QString key = registry_->path() + "\\Quillon";
        QVERIFY(QSettings(key, QSettings::NativeFormat).allKeys().isEmpty());
        QCOMPARE(UserSettingsStore(installed).writeSection("Upload", {{ "cboLPT", "Port 3" }}), "");
        QCOMPARE(bytesOf(portable + "/Quillon.ini"), "[Upload]\r\ncboLPT=Port 2\r\n");
        QCOMPARE(readText(UserSettingsStore(portable), "cboLPT"), "Port 2");
        QCOMPARE(QSettings(key, QSettings::NativeFormat).value("Upload/cboLPT"), "Port 3");
        QCOMPARE(readText(UserSettingsStore(installed), "cboLPT"), "Port 3");
        QVERIFY(!QFileInfo::exists(installed + "/Quillon.ini"));
        quillon::ui::setRegistryRoot("HKEY_NO_SUCH_HIVE\\Software");
        QVERIFY(!UserSettingsStore(installed)
                     .writeSection("Upload",
                                   {{ "chkFast",
                                      "False" }})
                     .empty());
    }
#endif

private:
    std::optional<QTemporaryDir> temp_;
#ifdef _WIN32
    const std::string kUsersRoot = quillon::ui::registryRoot();  // before any test moved it
    std::optional<quillon::testing::TestRegistryKey> registry_;
#endif
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
