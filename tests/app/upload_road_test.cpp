#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "window_harness.h"

using quillon::command::TransferCommand;
using quillon::testing::WindowHarness;
using quillon::testing::click;
using quillon::testing::clickFile;
using quillon::testing::openFolder;
using quillon::ui::DriveList;
using quillon::ui::FileList;
using quillon::ui::FolderList;

namespace {


const QString kNotAtari = QStringLiteral("Please select an atari file only!");

}  // namespace

// The upload page from folder to started command, with real files of real
// lengths in a temporary folder.
class UploadRoadTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        harness_ = std::make_unique<WindowHarness>();
        roms_ = harness_->makeFolder("roms");
        harness_->open();
    }
    void cleanup() { harness_.reset(); }

    void choosingARomShowsItAndEnablesTheUpload() {
        harness_->makeFile("roms/GAME.BIN", 32768);
        QVERIFY(openRoms());
        QVERIFY(clickFile(find<FileList>("flbOpen"), "GAME.BIN"));

        QCOMPARE(find<QLabel>("lblName")->text(), QString("ROM Selected: GAME"));
        QCOMPARE(find<QLabel>("lblSize")->text(), QString("ROM Size: 32KB"));
        QCOMPARE(find<QComboBox>("cboDouble")->currentText(), QString("No Double"));
        QVERIFY(find<QComboBox>("cboDouble")->isEnabled());
        QVERIFY(harness_->window().uploadFlags().select);
        QVERIFY(find<QPushButton>("cmdPlay")->isEnabled());
        QCOMPARE(find<QLabel>("lblscript1")->text(), "cartpipe       " + roms_ + "/GAME.BIN");
        QVERIFY(harness_->messages.isEmpty());
    }

    void theSizePresetsDoubleTransfer_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("doubleText");
        QTest::addColumn<bool>("doubleEnabled");
        QTest::newRow("2048") << qint64(2048) << "ROM Size: 2KB" << "Double " << true;
        QTest::newRow("2999") << qint64(2999) << "ROM Size: 2KB" << "Double " << true;
        QTest::newRow("8192") << qint64(8192) << "ROM Size: 8KB" << "Double " << true;
        QTest::newRow("4096") << qint64(4096) << "ROM Size: 4KB" << "No Double" << false;
        QTest::newRow("1999") << qint64(1999) << "ROM Size: 1KB" << "No Double" << true;
        QTest::newRow("10000") << qint64(10000) << "ROM Size: 10KB" << "No Double" << true;
        QTest::newRow("500") << qint64(500) << "ROM Size: KB" << "No Double" << true;
        QTest::newRow("empty") << qint64(0) << "ROM Size: KB" << "No Double" << true;
    }

    void theSizePresetsDoubleTransfer() {
        QFETCH(qint64, bytes);
        QFETCH(QString, size);
        QFETCH(QString, doubleText);
        QFETCH(bool, doubleEnabled);
        // The preset replaces whatever the user had chosen.
        auto* mode = find<QComboBox>("cboDouble");
        quillon::testing::replaceText(mode, "Reverse");
        harness_->makeFile("roms/cart.a78", bytes);
        QVERIFY(openRoms());
        QVERIFY(clickFile(find<FileList>("flbOpen"), "cart.a78"));

        QCOMPARE(find<QLabel>("lblSize")->text(), size);
        QCOMPARE(find<QLabel>("lblName")->text(), QString("ROM Selected: CART"));
        QCOMPARE(mode->currentText(), doubleText);
        QCOMPARE(mode->isEnabled(), doubleEnabled);
        const QString token = doubleText == "Double " ? "-d" : "";
        QCOMPARE(find<QLabel>("lblscript1")->text(),
                 "cartpipe  " + token + "     " + roms_ + "/cart.a78");
    }

    void aRejectedFileTakesTheChoiceBackButLeavesItsLabels() {
        harness_->makeFile("roms/GAME.BIN", 8192);
        harness_->makeFile("roms/notes.txt", 10);
        QVERIFY(openRoms());
        click(find<QPushButton>("cmdView1"));  // all files
        QVERIFY(clickFile(find<FileList>("flbOpen"), "GAME.BIN"));
        QVERIFY(find<QPushButton>("cmdPlay")->isEnabled());

        QVERIFY(clickFile(find<FileList>("flbOpen"), "notes.txt"));
        QCOMPARE(harness_->messages, QStringList{kNotAtari});
        QCOMPARE(find<QLabel>("lblName")->text(), QString("ROM Selected: GAME"));
        QCOMPARE(find<QLabel>("lblSize")->text(), QString("ROM Size: 8KB"));
        QCOMPARE(find<QComboBox>("cboDouble")->currentText(), QString("Double "));
        QVERIFY(!harness_->window().uploadFlags().select);
        QVERIFY(!find<QPushButton>("cmdPlay")->isEnabled());

        // The next evaluation must not bring the button back for notes.txt.
        click(find<QCheckBox>("chkHexx"));
        click(find<QCheckBox>("chkHexx"));
        QVERIFY(!find<QPushButton>("cmdPlay")->isEnabled());
    }

    void namesAreAcceptedByTheirEndingInAnyCase_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");  // empty: rejected
        QTest::newRow("capital A78") << "ms.pac.A78" << "ROM Selected: MS.PAC";
        QTest::newRow("lower bin") << "pacman.bin" << "ROM Selected: PACMAN";
        QTest::newRow("only the ending") << ".bin" << "ROM Selected: ";
        QTest::newRow("bin then txt") << "game.bin.txt" << "";
        QTest::newRow("a7") << "game.a7" << "";
    }

    void namesAreAcceptedByTheirEndingInAnyCase() {
        QFETCH(QString, file);
        QFETCH(QString, shown);
        harness_->makeFile("roms/" + file, 2048);
        QVERIFY(openRoms());
        click(find<QPushButton>("cmdView1"));
        QVERIFY(clickFile(find<FileList>("flbOpen"), file));
        QCOMPARE(find<QLabel>("lblName")->text(), shown);
        QCOMPARE(harness_->messages.isEmpty(), !shown.isEmpty());
        QCOMPARE(harness_->window().uploadFlags().select, !shown.isEmpty());
    }

    void thePatternToggleShowsOtherFilesAndDropsTheLabels() {
        harness_->makeFile("roms/GAME.BIN", 32768);
        harness_->makeFile("roms/notes.txt", 10);
        QVERIFY(openRoms());
        auto* files = find<FileList>("flbOpen");
        QCOMPARE(files->count(), 1);
        QVERIFY(clickFile(files, "GAME.BIN"));

        auto* allFiles = find<QPushButton>("cmdView1");
        auto* atariFiles = find<QPushButton>("cmdView2");
        click(allFiles);
        QCOMPARE(files->count(), 2);
        QVERIFY(allFiles->isHidden() && atariFiles->isVisible() && atariFiles->isEnabled());
        QVERIFY(find<QLabel>("lblName")->text().isEmpty());
        QVERIFY(find<QLabel>("lblSize")->text().isEmpty());
        QVERIFY(!find<QPushButton>("cmdPlay")->isEnabled());
        QVERIFY(harness_->window().uploadFlags().select);

        // The next evaluation brings the button back: the ROM was accepted.
        click(find<QCheckBox>("chkHexx"));
        click(find<QCheckBox>("chkHexx"));
        QVERIFY(find<QPushButton>("cmdPlay")->isEnabled());

        click(atariFiles);
        QCOMPARE(files->count(), 1);
        QVERIFY(atariFiles->isHidden() && allFiles->isVisible());
        QVERIFY(!find<QPushButton>("cmdPlay")->isEnabled());
    }

    void anIncompleteWriteAddressHoldsTheUploadBack() {
        harness_->makeFile("roms/GAME.BIN", 32768);
        QVERIFY(openRoms());
        QVERIFY(clickFile(find<FileList>("flbOpen"), "GAME.BIN"));
        click(find<QCheckBox>("chkHexx"));
        QVERIFY(!find<QPushButton>("cmdPlay")->isEnabled());
        QTest::keyClicks(find<QLineEdit>("txtHexx"), "8000");
        QVERIFY(find<QPushButton>("cmdPlay")->isEnabled());
        QCOMPARE(find<QLabel>("lblscript1")->text(),
                 "cartpipe      -w8000 " + roms_ + "/GAME.BIN");
    }

    void aFolderChangeDropsTheChosenRom() {
        harness_->makeFile("roms/GAME.BIN", 32768);
        harness_->makeFolder("roms/more");
        QVERIFY(openRoms());
        QVERIFY(clickFile(find<FileList>("flbOpen"), "GAME.BIN"));
        QVERIFY(openFolder(find<FolderList>("Dir2"), "more"));

        QCOMPARE(find<FileList>("flbOpen")->folder(), roms_ + "/more");
        QVERIFY(find<QLabel>("lblName")->text().isEmpty());
        QVERIFY(!find<QPushButton>("cmdPlay")->isEnabled());
        QCOMPARE(find<QLabel>("lblscript1")->text(), "cartpipe       " + roms_ + "/more/");
    }

    void aFileGoneBeforeItIsChosenChangesNothing() {
        const QString rom = harness_->makeFile("roms/GAME.BIN", 32768);
        QVERIFY(openRoms());
        QVERIFY(QFile::remove(rom));
        QVERIFY(clickFile(find<FileList>("flbOpen"), "GAME.BIN"));
        QVERIFY(find<QLabel>("lblName")->text().isEmpty());
        QVERIFY(!harness_->window().uploadFlags().select);
        QVERIFY(harness_->messages.isEmpty());
    }

    void uploadStartsTheComposedCommand() {
        harness_->makeFile("roms/GAME.BIN", 32768);
        QVERIFY(openRoms());
        QVERIFY(clickFile(find<FileList>("flbOpen"), "GAME.BIN"));
        click(find<QCheckBox>("chkFast"));
        quillon::testing::replaceText(find<QComboBox>("cboLPT"), "Port 2");
        const QString preview = find<QLabel>("lblscript1")->text();
        QCOMPARE(preview, "cartpipe   -f -l2   " + roms_ + "/GAME.BIN");

        click(find<QPushButton>("cmdPlay"));
        QCOMPARE(harness_->launcher.started.size(), std::size_t(1));
        const TransferCommand expected{{"", "", "-f", "-l2", "", ""},
                                       (roms_ + "/GAME.BIN").toStdString()};
        QCOMPARE(harness_->launcher.started.front(), expected);
        QCOMPARE(find<QLabel>("lblscript1")->text(), preview);
        QVERIFY(harness_->messages.isEmpty());
    }

    void aRefusedStartIsTold() {
        harness_->makeFile("roms/GAME.BIN", 32768);
        QVERIFY(openRoms());
        QVERIFY(clickFile(find<FileList>("flbOpen"), "GAME.BIN"));
        harness_->launcher.outcome = {quillon::platform::LaunchOutcome::Status::Refused,
                                      "The file name cannot be passed."};
        click(find<QPushButton>("cmdPlay"));
        QCOMPARE(harness_->messages, QStringList{"The file name cannot be passed."});

        harness_->launcher.outcome = {quillon::platform::LaunchOutcome::Status::NotStarted, {}};
        click(find<QPushButton>("cmdPlay"));
        QCOMPARE(harness_->messages.size(), 1);
        QVERIFY(find<QPushButton>("cmdPlay")->isEnabled());
    }

    void aDriveNotReadyIsToldAndTheListGoesBack() {
        QVERIFY(openRoms());
        harness_->drives->setSpareReady(false);
        auto* drive = find<DriveList>("Drive2");
        drive->setFocus();
        QTest::keyClick(drive, Qt::Key_Down);
        QCOMPARE(harness_->messages, QStringList{"Drive not ready"});
        QCOMPARE(drive->drive(), QString("Work"));
        QCOMPARE(find<FolderList>("Dir2")->path(), roms_);

        harness_->drives->setSpareReady(true);
        QTest::keyClick(drive, Qt::Key_Down);
        QCOMPARE(harness_->messages.size(), 1);
        const QString spare = QFileInfo(harness_->spareFolder()).canonicalFilePath();
        QCOMPARE(find<FolderList>("Dir2")->path(), spare);
        QCOMPARE(find<FileList>("flbOpen")->folder(), spare);
        QCOMPARE(find<QLabel>("lblscript1")->text(), "cartpipe       " + spare + "/");
    }

private:
    template <typename Widget>
    Widget* find(const char* name) {
        return harness_->find<Widget>(name);
    }

    // Opens the ROM folder in the folder list, as the user does once the
    // test has put its files there.
    bool openRoms() { return openFolder(find<FolderList>("Dir2"), "roms"); }

    std::unique_ptr<WindowHarness> harness_;
    QString roms_;
};

QTEST_MAIN(UploadRoadTest)
#include "upload_road_test.moc"
