#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

#include "ui/qsettings_store.h"
#include "ui_tests.h"

using quillon::ui::QSettingsStore;

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    // Every test gets a store of its own in a fresh temporary folder.
    void init() {
        temp_ = std::make_unique<QTemporaryDir>();
        pointStoreAt(temp_->path());
    }

    void textsComeBackUnchanged_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing blank") << "Double ";
        QTest::newRow("leading blank") << " Port 1";
        QTest::newRow("empty") << "";
        QTest::newRow("comma") << "a, b";
        QTest::newRow("separators") << "x=y;z #not a comment";
        QTest::newRow("quotes and backslashes") << "\"C:\\ROMS\\\"";
        QTest::newRow("line break") << "one\ntwo";
        QTest::newRow("looks like a typed value") << "@Variant(junk)";
        QTest::newRow("not ASCII") << "Zoë ☃ 漢字";
    }
    void textsComeBackUnchanged() {
        QFETCH(QString, text);
        const std::string value = text.toStdString();
        QVERIFY(QSettingsStore().write("Quillon", "Upload", "cboDouble", value));
        QCOMPARE(QSettingsStore().read("Quillon", "Upload", "cboDouble"), value);

        // Under the application's name, the page's section and the control's key.
        QSettings file(storeFile(), QSettings::IniFormat);
        QCOMPARE(file.value("Upload/cboDouble").toString(), text);
    }

    void missingValuesReadEmpty() {
        QSettingsStore store;
        store.write("Quillon", "Dump", "Load2", "Yes");
        QCOMPARE(store.read("Quillon", "Upload", "Load2"), std::string());
        QCOMPARE(store.read("Quillon", "Dump", "load2"), std::string());
        QCOMPARE(store.read("Other", "Dump", "Load2"), std::string());
    }

    void laterWriteReplacesAndSectionsStayApart() {
        QSettingsStore store;
        store.write("Quillon", "Upload", "cboLPT", "Port 1");
        store.write("Quillon", "Dump", "cboLPT", "Port 3");
        store.write("Quillon", "Upload", "cboLPT", "Port 2");
        QCOMPARE(store.read("Quillon", "Upload", "cboLPT"), std::string("Port 2"));
        QCOMPARE(store.read("Quillon", "Dump", "cboLPT"), std::string("Port 3"));
    }

    void refusedWriteReportsFalse_data() {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("store folder cannot be made") << "blocked folder";
        QTest::newRow("store file is a folder") << "folder in the way";
        QTest::newRow("store file is read-only") << "read-only";
    }
    void refusedWriteReportsFalse() {
        QFETCH(QString, refusal);
        if (refusal == "blocked folder") {
            QFile blocker(temp_->filePath("blocker"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            pointStoreAt(blocker.fileName());
        } else if (refusal == "folder in the way") {
            QVERIFY(QDir().mkpath(storeFile()));
        } else {
            if (geteuid() == 0) {
                QSKIP("runs as root, who may write a read-only file; the other rows "
                      "refuse the write in ways that hold for root too");
            }
            QVERIFY(QSettingsStore().write("Quillon", "Upload", "chkFast", "True"));
            QFile::setPermissions(storeFile(), QFileDevice::ReadOwner);
        }
        QVERIFY(!QSettingsStore().write("Quillon", "Upload", "chkFast", "False"));
        QVERIFY(QSettingsStore().read("Quillon", "Upload", "chkFast") != "False");
    }

private:
    static void pointStoreAt(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }
    QString storeFile() const { return temp_->filePath("Quillon/Quillon.conf"); }

    std::unique_ptr<QTemporaryDir> temp_;
};

int runSettingsStoreTests(int argc, char** argv) {
    SettingsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "settings_store_test.moc"
