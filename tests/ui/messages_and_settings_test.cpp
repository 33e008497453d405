#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
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
            QSettings file(temp_.filePath("Quillon/Quillon.conf"), QSettings::IniFormat);
#endif
            QCOMPARE(file.value("Upload/cboDouble").toString(), QString::fromUtf8(value));
        }
        QSettingsStore().write("Quillon", "Dump", "cboDouble", "Reverse");
        QCOMPARE(QSettingsStore().read("Quillon", "Upload", "cboDouble"), std::string("Zoë ☃ 漢字"));
        QCOMPARE(QSettingsStore().read("Other", "Upload", "cboDouble"), std::string());
#ifdef _WIN32
        // Where earlier Windows versions of the program kept their options.
        QCOMPARE(kUsersRoot, "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings");
#endif
    }

    // A refused write reports false and leaves nothing to read: the store
    // file is a folder, then the store's folder cannot be made.
    void storeReportsARefusedWrite() {
#ifdef _WIN32
        // The registry's refusal: no key can be made under a hive that does not exist.
        quillon::ui::setRegistryRoot("HKEY_NO_SUCH_HIVE\\Software");
        QVERIFY(!QSettingsStore().write("Quillon", "Upload", "chkFast", "False"));
        QCOMPARE(QSettingsStore().read("Quillon", "Upload", "chkFast"), std::string());
#else
        QTemporaryDir temp;
        QFile blocker(temp.filePath("blocker"));
        QVERIFY(QDir().mkpath(temp.filePath("Quillon/Quillon.conf")) &&
                blocker.open(QIODevice::WriteOnly));
        for (const QString& folder : {temp.path(), blocker.fileName()}) {
            pointStoreAt(folder);
            QVERIFY(!QSettingsStore().write("Quillon", "Upload", "chkFast", "False"));
            QCOMPARE(QSettingsStore().read("Quillon", "Upload", "chkFast"), std::string());
        }
#endif
    }

private:
    static void pointStoreAt(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }

    QTemporaryDir temp_;
#ifdef _WIN32
    const std::string kUsersRoot = quillon::ui::registryRoot();  // before any test moved it
    std::optional<quillon::testing::TestRegistryKey> registry_;
#endif
};

QTEST_MAIN(MessagesAndSettingsTest)
#include "messages_and_settings_test.moc"
