#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

#include "support/test_registry_key.h"
#include "ui/message_box.h"
#include "ui/qsettings_store.h"

using quillon::ui::QSettingsStore;
using quillon::ui::setMessageHook;
using quillon::ui::showMessage;

class MessagesAndSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        pointStoreAt(temp_.path());
#ifdef _WIN32
        registry_.emplace();
#endif
    }
#ifdef _WIN32
    void cleanup() { registry_.reset(); }
#endif

    // A hook that still opens a box; a box that is not modal, not captioned
    // "Quillon" or has more than OK (closed by the keyboard from its loop).
    void messagesGoToTheHookOrAModalOkBox() {
        QStringList seen;
        setMessageHook([&seen](const QString& text) {
            seen << text << (QApplication::activeModalWidget() ? "box" : "no box");
        });
        showMessage(nullptr, "Drive not ready");
        setMessageHook({});
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTimer::singleShot(0, this, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen << box->windowTitle() << box->text()
                 << (box->standardButtons() == QMessageBox::Ok ? "OK only" : "other buttons");
            QTest::keyClick(box, Qt::Key_Return);
        });
        showMessage(&window, "Please select an atari file only!");
        QCOMPARE(seen, QStringList({"Drive not ready", "no box", "Quillon",
                                    "Please select an atari file only!", "OK only"}));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Texts the INI format would trim, split, read as comments or as typed
    // values come back exactly, under application, section and key; a later
    // write replaces, and another application reads nothing.
    void storeGivesBackTheTextsItWrote() {
        for (const char* value : {"Double ", " Port 1", "", "a, b", "x=y;z #not a comment",
                                  "\"C:\\ROMS\\\"", "one\ntwo", "@Variant(junk)", "Zoë ☃ 漢字"}) {
            QVERIFY(QSettingsStore().write("Quillon", "Upload", "cboDouble", value));
            QCOMPARE(QSettingsStore().read("Quillon", "Upload", "cboDouble"), std::string(value));
#ifdef _WIN32
            QSettings file(registry_->path() + "\\Quillon", QSettings::NativeFormat);
#else
            // A copy under a name of its own: QSettings trusts what it parsed of a file while its
            // size and time to the millisecond agree, and " Port 1" follows "Double " in a trice.
            const QString copy = temp_.filePath(QString::number(++reads_) + ".conf");
            QVERIFY(QFile::copy(temp_.filePath("Quillon/Quillon.conf"), copy));
            QSettings file(copy, QSettings::IniFormat);
#endif
            QCOMPARE(file.value("Upload/cboDouble").toString(), QString::fromUtf8(value));
        }
        QSettingsStore().write("Quillon", "Dump", "cboDouble", "Reverse");
        QCOMPARE(QSettingsStore().read("Quillon", "Upload", "cboDouble"),
                 std::string("Zoë ☃ 漢字"));
        QCOMPARE(QSettingsStore().read("Other", "Upload", "cboDouble"), std::string());
#ifdef _WIN32
        // Where earlier Windows versions of the program kept their options.
        QCOMPARE(kUsersRoot, "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings");
#endif
    }

#ifdef _WIN32
    // A refused write reports false and leaves nothing to read: no key can be made under a hive
    // that does not exist.
    void storeReportsARefusedWrite() {
        quillon::ui::setRegistryRoot("HKEY_NO_SUCH_HIVE\\Software");
        QVERIFY(!QSettingsStore().write("Quillon", "Upload", "chkFast", "False"));
        QCOMPARE(QSettingsStore().read("Quillon", "Upload", "chkFast"), std::string());
    }
#else
    // A pipe read (start-up hangs) or replaced, a device behind a link replaced, a link to a
    // file replaced by a file, a failed save that loses the old file or says nothing, a refused
    // write that leaves something to read, a relative XDG_CONFIG_HOME followed, a home of "/"
    // used.
    void storeTouchesOnlyRegularFiles() {
        const QByteArray home = qgetenv("HOME");
        const auto restore = qScopeGuard([&] { qputenv("HOME", home); });
        enum Shape {
            Pipe,
            LinkToPipe,
            LinkToDevice,
            LinkToFile,
            TooBig,
            Folder,
            RelativeXdg,
            RootHome,
            ConfigIsAFile
        };
        const struct {
            Shape shape;
            const char* refusal;  // a part of the reason; empty when the write must succeed
        } rows[] = {{Pipe, "is a pipe"},
                    {LinkToPipe, "is a pipe"},
                    {LinkToDevice, "is a device"},
                    {LinkToFile, ""},
                    {TooBig, "saved before are kept"},
                    {Folder, "is a folder"},
                    {RelativeXdg, ""},
                    {RootHome, "No home folder"},
                    {ConfigIsAFile, "could not be written"}};
        ::signal(SIGXFSZ, SIG_IGN);  // a write past the size limit fails instead
        for (const auto& row : rows) {
            QTemporaryDir temp;
            pointStoreAt(temp.path());
            qputenv("HOME", QFile::encodeName(temp.path()));
            const QByteArray file = QFile::encodeName(temp.filePath("Quillon/Quillon.conf"));
            const QByteArray aside = QFile::encodeName(temp.filePath("aside"));
            QVERIFY(QDir().mkpath(temp.filePath("Quillon")));
            if (row.shape == Pipe || row.shape == LinkToPipe) {
                QVERIFY(::mkfifo(row.shape == Pipe ? file : aside, 0600) == 0);
            }
            if (row.shape == LinkToFile || row.shape == TooBig) {
                QVERIFY(QSettingsStore().write("Quillon", "Upload", "cboLPT", "old"));
            }
            if (row.shape == LinkToFile) {
                QVERIFY(::rename(file, aside) == 0);
            }
            if (row.shape == Folder) {
                QVERIFY(::mkdir(file, 0700) == 0);
            }
            if (row.shape == LinkToPipe || row.shape == LinkToFile || row.shape == LinkToDevice) {
                QVERIFY(::symlink(row.shape == LinkToDevice ? "/dev/null" : aside.constData(),
                                  file) == 0);
            }
            if (row.shape == ConfigIsAFile) {
                QVERIFY(::close(::creat(aside, 0600)) == 0);
                qputenv("XDG_CONFIG_HOME", aside);
            } else if (row.shape == RelativeXdg) {
                qputenv("XDG_CONFIG_HOME", "relative");
            } else if (row.shape == RootHome) {
                qunsetenv("XDG_CONFIG_HOME");
                qputenv("HOME", "/");
            }
            const bool hadOld = row.shape == LinkToFile || row.shape == TooBig;
            QCOMPARE(QSettingsStore().read("Quillon", "Upload", "cboLPT"),
                     std::string(hadOld ? "old" : ""));
            // A save larger than files may grow stands for a full disk.
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit before = limit;
            if (row.shape == TooBig) {
                limit.rlim_cur = 200;
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            QSettingsStore store;
            const bool stored = store.write("Quillon", "Upload", "cboLPT", std::string(300, 'x'));
            ::setrlimit(RLIMIT_FSIZE, &before);
            QVERIFY2(stored == (*row.refusal == '\0'), std::to_string(row.shape).c_str());
            QVERIFY2(store.refusalReason().find(row.refusal) != std::string::npos,
                     store.refusalReason().c_str());
            struct stat status {};
            QVERIFY(::lstat(file, &status) == 0 || row.shape >= RelativeXdg);
            QCOMPARE(S_ISFIFO(status.st_mode), row.shape == Pipe);
            QCOMPARE(S_ISLNK(status.st_mode), row.shape >= LinkToPipe && row.shape <= LinkToFile);
            struct stat target {};
            ::stat(aside, &target);
            QCOMPARE(S_ISFIFO(target.st_mode), row.shape == LinkToPipe);
            QCOMPARE(QSettingsStore().read("Quillon", "Upload", "cboLPT"),
                     stored ? std::string(300, 'x')
                     : hadOld ? "old"
                              : "");
            QCOMPARE(QFileInfo::exists(temp.filePath(".config/Quillon/Quillon.conf")),
                     row.shape == RelativeXdg);
            QVERIFY(!QFileInfo::exists("relative") && !QFileInfo::exists("/.config/Quillon"));
        }
    }
#endif

private:
    static void pointStoreAt(const QString& folder) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    }

    QTemporaryDir temp_;
    int reads_ = 0;
#ifdef _WIN32
    const std::string kUsersRoot = quillon::ui::registryRoot();  // before any test moved it
    std::optional<quillon::testing::TestRegistryKey> registry_;
#endif
};

QTEST_MAIN(MessagesAndSettingsTest)
#include "messages_and_settings_test.moc"
