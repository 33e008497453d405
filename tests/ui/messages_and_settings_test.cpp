#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/message_box.h"
#include "ui/qsettings_store.h"

using quillon::ui::QSettingsStore;
using quillon::ui::setMessageHook;
using quillon::ui::showMessage;

class MessagesAndSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { pointStoreAt(temp_.path()); }

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
            QSettings file(temp_.filePath("Quillon/Quillon.conf"), QSettings::IniFormat);
            QCOMPARE(file.value("Upload/cboDouble").toString(), QString::fromUtf8(value));
        }
        QSettingsStore().write("Quillon", "Dump", "cboDouble", "Reverse");
        QCOMPARE(QSettingsStore().read("Quillon", "Upload", "cboDouble"), std::string("Zoë ☃ 漢字"));
        QCOMPARE(QSettingsStore().read("Other", "Upload", "cboDouble"), std::string());
    }

    // A refused write reports false and leaves nothing to read: the store
    // file is a folder, then the store's folder cannot be made.
    void storeReportsARefusedWrite() {
        QTemporaryDir temp;
        QFile blocker(temp.filePath("blocker"));
        QVERIFY(QDir().mkpath(temp.filePath("Quillon/Quillon.conf")) &&
                blocker.open(QIODevice::WriteOnly));
        for (const QString& folder : {temp.path(), blocker.fileName()}) {
            pointStoreAt(folder);
            QVERIFY(!QSettingsStore().write("Quillon", "Upload", "chkFast", "False"));
            QCOMPARE(QSettingsStore().read("Quillon", "Upload", "chkFast"), std::string());
        }
    }

private:
    static void pointStoreAt(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }

    QTemporaryDir temp_;
};

QTEST_MAIN(MessagesAndSettingsTest)
#include "messages_and_settings_test.moc"
