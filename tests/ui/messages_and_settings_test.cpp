#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ui/message_box.h"
#include "ui/qsettings_store.h"

using quillon::ui::QSettingsStore;
using quillon::ui::setMessageHook;
using quillon::ui::showMessage;

class MessagesAndSettingsTest : public QObject {
    Q_OBJECT
private slots:
    // A store of its own in a fresh temporary folder for every test.
    void init() {
        temp_ = std::make_unique<QTemporaryDir>();
        pointStoreAt(temp_->path());
    }
    void cleanup() { setMessageHook({}); }

    // With a hook set the text goes to it and no box opens, so the window's
    // tests can answer the messages.
    void messageHookReceivesTheTextInsteadOfABox() {
        QStringList seen;
        setMessageHook([&seen](const QString& text) {
            seen.append(text);
            QVERIFY(QApplication::activeModalWidget() == nullptr);
        });
        showMessage(nullptr, "Drive not ready");
        QCOMPARE(seen, QStringList{"Drive not ready"});
    }

    // Without a hook: a modal box captioned "Quillon" with an OK button only,
    // closed as a user would, by the keyboard, from inside its own loop.
    void messageBoxIsModalWithOkOnly() {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList seen;
        QTimer::singleShot(0, this, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen << box->windowTitle() << box->text()
                 << (box->standardButtons() == QMessageBox::Ok ? "OK only" : "other buttons");
            QTest::keyClick(box, Qt::Key_Return);
        });
        showMessage(&window, "Please select an atari file only!");
        QCOMPARE(seen, QStringList({"Quillon", "Please select an atari file only!", "OK only"}));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Texts the INI format would otherwise trim, split into lists, read as
    // comments or as typed values come back exactly, under the application's
    // name, the page's section and the control's key.
    void storeGivesBackTheTextsItWrote_data() {
        QTest::addColumn<QString>("text");
        QTest::addRow("trailing blank") << "Double ";
        QTest::addRow("leading blank") << " Port 1";
        QTest::addRow("empty") << "";
        QTest::addRow("comma") << "a, b";
        QTest::addRow("separators") << "x=y;z #not a comment";
        QTest::addRow("quotes and backslashes") << "\"C:\\ROMS\\\"";
        QTest::addRow("line break") << "one\ntwo";
        QTest::addRow("looks like a typed value") << "@Variant(junk)";
        QTest::addRow("not ASCII") << "Zoë ☃ 漢字";
    }
    void storeGivesBackTheTextsItWrote() {
        QFETCH(QString, text);
        const std::string value = text.toStdString();
        QVERIFY(QSettingsStore().write("Quillon", "Upload", "cboDouble", value));
        QCOMPARE(QSettingsStore().read("Quillon", "Upload", "cboDouble"), value);
        QSettings file(temp_->filePath("Quillon/Quillon.conf"), QSettings::IniFormat);
        QCOMPARE(file.value("Upload/cboDouble").toString(), text);
    }

    // A later write replaces the value, sections and applications stay
    // apart, and what was never written reads empty.
    void storeKeepsEachValueInItsPlace() {
        QSettingsStore store;
        for (const char* port : {"Port 1", "Port 2"}) {
            store.write("Quillon", "Upload", "cboLPT", port);
        }
        store.write("Quillon", "Dump", "cboLPT", "Port 3");
        QCOMPARE(store.read("Quillon", "Upload", "cboLPT"), std::string("Port 2"));
        QCOMPARE(store.read("Other", "Upload", "cboLPT"), std::string());
    }

    // A write the system refuses reports false and leaves nothing to read:
    // the store file is a folder, then the store's folder cannot be made.
    void storeReportsARefusedWrite() {
        QVERIFY(QDir().mkpath(temp_->filePath("Quillon/Quillon.conf")));
        QVERIFY(!QSettingsStore().write("Quillon", "Upload", "chkFast", "False"));
        QCOMPARE(QSettingsStore().read("Quillon", "Upload", "chkFast"), std::string());
        QFile blocker(temp_->filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        pointStoreAt(blocker.fileName());
        QVERIFY(!QSettingsStore().write("Quillon", "Upload", "chkFast", "False"));
        QCOMPARE(QSettingsStore().read("Quillon", "Upload", "chkFast"), std::string());
    }

private:
    static void pointStoreAt(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }

    std::unique_ptr<QTemporaryDir> temp_;
};

QTEST_MAIN(MessagesAndSettingsTest)
#include "messages_and_settings_test.moc"
