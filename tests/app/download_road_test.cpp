#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/drive_list.h"
#include "ui/folder_list.h"
#include "window_harness.h"

using quillon::command::TransferCommand;
using quillon::testing::WindowHarness;
using quillon::testing::click;
using quillon::testing::openFolder;
using quillon::ui::DriveList;
using quillon::ui::FolderList;

namespace {


// Puts `name` on PATH's front for the life of the object, and the user's
// shell that the terminal would keep open afterwards ends at once.
class StandInPrograms {
public:
    explicit StandInPrograms(const QString& folder)
        : folder_(folder), path_(qgetenv("PATH")), shell_(qgetenv("SHELL")) {
        QDir().mkpath(folder);
        qputenv("PATH", (folder + ":/usr/bin:/bin").toLocal8Bit());
        qputenv("SHELL", "/bin/true");
    }
    ~StandInPrograms() {
        qputenv("PATH", path_);
        qputenv("SHELL", shell_);
    }

    void add(const QString& name, const QString& script) const {
        QFile file(folder_ + "/" + name);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(("#!/bin/sh\n" + script + "\n").toUtf8());
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

private:
    QString folder_;
    QByteArray path_;
    QByteArray shell_;
};

}  // namespace

// The download page: destination folder and name, the cartridge code, and
// the dump started.
class DownloadRoadTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        harness_ = std::make_unique<WindowHarness>();
        dumps_ = harness_->makeFolder("dumps");
        harness_->makeFolder("my.dir");
        harness_->open();
        QVERIFY(quillon::testing::chooseTab(harness_->window(), 1));
    }
    void cleanup() { harness_.reset(); }

    void aFolderGivesTheDestinationItsPathAndSeparator() {
        QVERIFY(openFolder(find<FolderList>("Dir1"), "dumps"));
        QCOMPARE(destination()->text(), dumps_ + "/");
        QVERIFY(!harness_->window().dumpFlags().select);
        QVERIFY(!find<QPushButton>("cmdPlay2")->isEnabled());
        QCOMPARE(find<QLabel>("lblscript2")->text(), "cartpipe        -tTEST " + dumps_ + "/");
    }

    void aTypedNameWithAThreeLetterEndingEnablesTheDump() {
        QVERIFY(openFolder(find<FolderList>("Dir1"), "dumps"));
        destination()->setFocus();
        QTest::keyClick(destination(), Qt::Key_End);
        QTest::keyClicks(destination(), "GAME.BI");
        QVERIFY(!find<QPushButton>("cmdPlay2")->isEnabled());
        QTest::keyClicks(destination(), "N");
        QCOMPARE(destination()->text(), dumps_ + "/GAME.BIN");
        QVERIFY(harness_->window().dumpFlags().select);
        QVERIFY(find<QPushButton>("cmdPlay2")->isEnabled());
        QCOMPARE(find<QLabel>("lblscript2")->text(),
                 "cartpipe        -tTEST " + dumps_ + "/GAME.BIN");

        QTest::keyClicks(destination(), "1");
        QVERIFY(!find<QPushButton>("cmdPlay2")->isEnabled());
    }

    void aDotInTheFolderDoesNotCountForTheName() {
        QVERIFY(openFolder(find<FolderList>("Dir1"), "my.dir"));
        QTest::keyClick(destination(), Qt::Key_End);
        QTest::keyClicks(destination(), "GAME.BIN");
        QVERIFY(harness_->window().dumpFlags().select);
    }

    void aNewFolderReplacesATypedName() {
        QVERIFY(openFolder(find<FolderList>("Dir1"), "dumps"));
        QTest::keyClick(destination(), Qt::Key_End);
        QTest::keyClicks(destination(), "GAME.BIN");
        QVERIFY(openFolder(find<FolderList>("Dir1"), QFileInfo(harness_->workFolder()).fileName()));
        QCOMPARE(destination()->text(), harness_->workFolder() + "/");
        QVERIFY(!find<QPushButton>("cmdPlay2")->isEnabled());
    }

    void theDumpButtonWaitsForEveryHexField() {
        QTest::keyClicks(destination(), "cart.a78");
        QVERIFY(find<QPushButton>("cmdPlay2")->isEnabled());
        click(find<QCheckBox>("chkShortHexx"));
        QVERIFY(!find<QPushButton>("cmdPlay2")->isEnabled());
        QTest::keyClicks(find<QLineEdit>("txtShortHexx"), "1F");
        QVERIFY(find<QPushButton>("cmdPlay2")->isEnabled());
        click(find<QCheckBox>("chkHexx2"));
        QVERIFY(!find<QPushButton>("cmdPlay2")->isEnabled());
        QTest::keyClicks(find<QLineEdit>("txtHexx2"), "C000");
        QVERIFY(find<QPushButton>("cmdPlay2")->isEnabled());
    }

    void theCartridgeCodeOffersTheAlternateMode_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("offered");
        for (const char* code : {"26E0", "26F8", "26FA", "26F6", "26F4", "26F0", "26FE"}) {
            QTest::newRow(code) << code << true;
        }
        QTest::newRow("other code") << "26E7" << false;
        QTest::newRow("lower case") << "26f8" << false;
        QTest::newRow("blank before") << " 26F8" << false;
        QTest::newRow("blank after") << "26F8 " << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("TEST") << "TEST" << false;
    }

    void theCartridgeCodeOffersTheAlternateMode() {
        QFETCH(QString, typed);
        QFETCH(bool, offered);
        quillon::testing::replaceText(find<QComboBox>("cboConType"), typed);
        QCOMPARE(find<QCheckBox>("chkAlternate2")->isEnabled(), offered);
        QCOMPARE(find<QLabel>("lblscript2")->text(), "cartpipe        -t" + typed + " ");
    }

    void typingACodeOffersTheModeOnlyWhenComplete() {
        auto* code = find<QComboBox>("cboConType");
        auto* alternate = find<QCheckBox>("chkAlternate2");
        quillon::testing::replaceText(code, "");
        for (const char* key : {"2", "6", "F"}) {
            QTest::keyClicks(code, key);
            QVERIFY(!alternate->isEnabled());
        }
        QTest::keyClicks(code, "8");
        QVERIFY(alternate->isEnabled());
    }

    void aDisabledAlternateModeStaysInTheCommand() {
        auto* code = find<QComboBox>("cboConType");
        quillon::testing::replaceText(code, "26E0");
        click(find<QCheckBox>("chkAlternate2"));
        // Picked from the list by keyboard: the entry after 26E0 is 26P2.
        QTest::keyClick(code, Qt::Key_Down);
        QCOMPARE(code->currentText(), QString("26P2"));
        QVERIFY(!find<QCheckBox>("chkAlternate2")->isEnabled());
        QVERIFY(find<QCheckBox>("chkAlternate2")->isChecked());
        QCOMPARE(find<QLabel>("lblscript2")->text(), QString("cartpipe -a       -t26P2 "));
    }

    void dumpStartsTheComposedCommand() {
        QVERIFY(openFolder(find<FolderList>("Dir1"), "dumps"));
        QTest::keyClick(destination(), Qt::Key_End);
        QTest::keyClicks(destination(), "cart one.a78");
        quillon::testing::replaceText(find<QComboBox>("cboDouble2"), "Reverse");
        click(find<QPushButton>("cmdPlay2"));
        QCOMPARE(harness_->launcher.started.size(), std::size_t(1));
        const TransferCommand expected{{"", "-r", "", "", "", "", "", "-tTEST"},
                                       (dumps_ + "/cart one.a78").toStdString()};
        QCOMPARE(harness_->launcher.started.front(), expected);
        QVERIFY(harness_->messages.isEmpty());
    }

    void aDriveNotReadyIsToldAndTheListGoesBack() {
        QVERIFY(openFolder(find<FolderList>("Dir1"), "dumps"));
        harness_->drives->setSpareReady(false);
        auto* drive = find<DriveList>("Drive1");
        drive->setFocus();
        QTest::keyClick(drive, Qt::Key_Down);
        QCOMPARE(harness_->messages, QStringList{"Drive not ready"});
        QCOMPARE(drive->drive(), QString("Work"));
        QCOMPARE(destination()->text(), dumps_ + "/");

        harness_->drives->setSpareReady(true);
        QTest::keyClick(drive, Qt::Key_Down);
        QCOMPARE(harness_->messages.size(), 1);
        const QString spare = QFileInfo(harness_->spareFolder()).canonicalFilePath();
        QCOMPARE(destination()->text(), spare + "/");
        QCOMPARE(find<QLabel>("lblscript2")->text(), "cartpipe        -tTEST " + spare + "/");
    }

    // The system's own launcher, with a stand-in terminal and tool on PATH:
    // the tool receives the options and the destination as its arguments.
    void theSystemLauncherHandsTheToolItsArguments() {
        const QString bin = harness_->makeFolder("bin");
        const QString record = bin + "/record";
        StandInPrograms programs(bin);
        programs.add("x-terminal-emulator", "shift\nexec \"$@\"");
        programs.add("cartpipe", "printf '%s\\n' \"$@\" > '" + record + ".part'\nmv '" + record +
                                     ".part' '" + record + "'");
        const std::unique_ptr<quillon::platform::ToolLauncher> system =
            quillon::platform::makeSystemLauncher();
        harness_->window().close();
        quillon::app::frmGameLoader window({harness_->store, *system, *harness_->drives});
        window.show();
        QVERIFY(quillon::testing::chooseTab(window, 1));

        auto* target = window.findChild<QLineEdit*>("txtFileInput");
        QTest::keyClicks(target, dumps_ + "/my cart.bin");
        click(window.findChild<QPushButton*>("cmdPlay2"));
        QTRY_VERIFY(QFile::exists(record));
        QFile arguments(record);
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()), "-tTEST\n" + dumps_ + "/my cart.bin\n");
    }

private:
    template <typename Widget>
    Widget* find(const char* name) {
        return harness_->find<Widget>(name);
    }
    QLineEdit* destination() { return find<QLineEdit>("txtFileInput"); }

    std::unique_ptr<WindowHarness> harness_;
    QString dumps_;
};

QTEST_MAIN(DownloadRoadTest)
#include "download_road_test.moc"
