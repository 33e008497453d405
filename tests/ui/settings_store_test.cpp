// The user's settings store on real files, beside real QSettings: texts and
// lines as QSettings keeps and reads them, another program's text left alone,
// and on Windows, where each copy keeps its options.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <set>

#include "settings/page_settings.h"
#include "settings_files.h"
#include "support/test_registry_key.h"

using namespace quillon::testing;
using quillon::settings::textOf;
using quillon::ui::UserSettingsStore;

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

#ifdef _WIN32
    // A portable copy writing to the registry, an installed copy not finding the options where
    // earlier versions kept them, a refused registry write that says nothing.
    void eachCopyKeepsItsOptionsWhereItSays() {
        QCOMPARE(kUsersRoot, "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings");
        const QString portable = temp_->filePath("portable"),
                      installed = temp_->filePath("installed");
        QVERIFY(writeBytes(portable + "/Quillon.ini", "") && QDir().mkpath(installed));
        QCOMPARE(UserSettingsStore(portable).writeSection("Upload", {{"cboLPT", "Port 2"}}), "");
        const QString key = registry_->path() + "\\Quillon";
        QVERIFY(QSettings(key, QSettings::NativeFormat).allKeys().isEmpty());
        QCOMPARE(UserSettingsStore(installed).writeSection("Upload", {{"cboLPT", "Port 3"}}), "");
        QCOMPARE(bytesOf(portable + "/Quillon.ini"), "[Upload]\r\ncboLPT=Port 2\r\n");
        QCOMPARE(readText(UserSettingsStore(portable), "cboLPT"), "Port 2");
        QCOMPARE(QSettings(key, QSettings::NativeFormat).value("Upload/cboLPT"), "Port 3");
        QCOMPARE(readText(UserSettingsStore(installed), "cboLPT"), "Port 3");
        QVERIFY(!QFileInfo::exists(installed + "/Quillon.ini"));
        quillon::ui::setRegistryRoot("HKEY_NO_SUCH_HIVE\\Software");
        QVERIFY(
            !UserSettingsStore(installed).writeSection("Upload", {{"chkFast", "False"}}).empty());
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
