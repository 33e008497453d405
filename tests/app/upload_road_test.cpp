#include <QComboBox>
#include <QFile>
#include <QTest>

#include "ui/file_list.h"
#include "window_harness.h"

using quillon::testing::WindowHarness;

// The upload page from folder to started command, with real files of real
// lengths in a temporary folder.
class UploadRoadTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        h = std::make_unique<WindowHarness>();
        roms_ = h->makeFolder("roms");
        h->open();
    }
    void cleanup() { h.reset(); }

    // The selection handler must read the real length, show name and size,
    // and preset Double Transfer over the user's choice through the combo
    // box, so that the preview follows. (Every length: the rule's own table.)
    void choosingARomShowsItAndPresetsDoubleTransfer() {
        const struct {
            const char* file;
            qint64 bytes;
            const char* shown;  // labels, preset, whether enabled
        } roms[] = {{"GAME.BIN", 32768, "ROM Selected: GAME|ROM Size: 32KB|No Double|on"},
                    {"cart.a78", 2048, "ROM Selected: CART|ROM Size: 2KB|Double |on"},
                    {"Four.A78", 4096, "ROM Selected: FOUR|ROM Size: 4KB|No Double|off"}};
        for (const auto& [file, bytes, shown] : roms) {
            h->replaceText("cboDouble", "Reverse");
            h->makeFile(QString("roms/") + file, bytes);
            QVERIFY(openRoms() && h->clickFile(file));
            QCOMPARE(h->text("lblName") + "|" + h->text("lblSize") + "|" + h->text("cboDouble") +
                         (h->enabled("cboDouble") ? "|on" : "|off"),
                     QString(shown));
            QVERIFY(h->window().uploadFlags().select && h->enabled("cmdPlay"));
            const QString token = h->text("cboDouble") == "Double " ? "-d" : "";
            QCOMPARE(h->text("lblscript1"), "cartpipe  " + token + "     " + roms_ + "/" + file);
            QVERIFY(h->openFolder("Dir2", QFileInfo(h->workFolder()).fileName()));
        }
        QVERIFY(h->messages.isEmpty());
    }

    // The rejected entry stays current and is what an upload would send, so
    // the window must count no ROM as chosen, also at the next evaluation;
    // the labels and preset of the last good ROM stay.
    void aRejectedFileTakesTheChoiceBack() {
        h->makeFile("roms/GAME.BIN", 8192);
        h->makeFile("roms/notes.txt", 10);
        QVERIFY(openRoms());
        h->click("cmdView1");
        QVERIFY(h->clickFile("GAME.BIN") && h->enabled("cmdPlay"));
        QVERIFY(h->clickFile("notes.txt"));
        QCOMPARE(h->messages, QStringList{"Please select an atari file only!"});
        QCOMPARE(h->text("lblName") + "|" + h->text("lblSize") + "|" + h->text("cboDouble"),
                 QString("ROM Selected: GAME|ROM Size: 8KB|Double "));
        QVERIFY(!h->window().uploadFlags().select && !h->enabled("cmdPlay"));
        h->click("chkHexx");
        h->click("chkHexx");
        QVERIFY(!h->enabled("cmdPlay"));
    }

    // A file removed after it was listed must change nothing.
    void aFileGoneBeforeItIsChosenChangesNothing() {
        const QString rom = h->makeFile("roms/GAME.BIN", 32768);
        QVERIFY(openRoms() && QFile::remove(rom));
        QVERIFY(h->clickFile("GAME.BIN"));
        QVERIFY(h->text("lblName").isEmpty() && !h->window().uploadFlags().select);
        QVERIFY(h->messages.isEmpty());
    }

    // Each view button shows its twin and its list, drops the labels and the
    // button, but not the accepted ROM: the next evaluation brings it back.
    void thePatternToggleShowsOtherFilesAndDropsTheLabels() {
        h->makeFile("roms/GAME.BIN", 32768);
        h->makeFile("roms/notes.txt", 10);
        auto* files = h->find<quillon::ui::FileList>("flbOpen");
        QVERIFY(openRoms() && h->clickFile("GAME.BIN"));
        QCOMPARE(files->count(), 1);
        h->click("cmdView1");
        QCOMPARE(files->count(), 2);
        QVERIFY(h->find("cmdView1")->isHidden() && h->find("cmdView2")->isVisible());
        QVERIFY(h->enabled("cmdView2") && !h->enabled("cmdPlay"));
        QVERIFY(h->text("lblName").isEmpty() && h->text("lblSize").isEmpty());
        h->click("chkHexx");
        h->click("chkHexx");
        QVERIFY(h->enabled("cmdPlay"));
        h->click("cmdView2");
        QCOMPARE(files->count(), 1);
        QVERIFY(h->find("cmdView2")->isHidden() && h->find("cmdView1")->isVisible());
        QVERIFY(!h->enabled("cmdPlay"));
    }

    // A new folder leaves no file chosen: the button must not stay enabled
    // whatever the flags, and the preview must follow the folder.
    void aFolderChangeDropsTheChosenRom() {
        h->makeFile("roms/GAME.BIN", 32768);
        h->makeFolder("roms/more");
        QVERIFY(openRoms() && h->clickFile("GAME.BIN"));
        QVERIFY(h->openFolder("Dir2", "more"));
        QCOMPARE(h->find<quillon::ui::FileList>("flbOpen")->folder(), roms_ + "/more");
        QVERIFY(h->text("lblName").isEmpty() && !h->enabled("cmdPlay"));
        QCOMPARE(h->text("lblscript1"), "cartpipe       " + roms_ + "/more/");
    }

    // The button composes afresh from the controls, an incomplete write
    // address holds it back, and only a refusal is told.
    void uploadStartsTheComposedCommand() {
        h->makeFile("roms/GAME.BIN", 32768);
        QVERIFY(openRoms() && h->clickFile("GAME.BIN"));
        h->click("chkHexx");
        QVERIFY(!h->enabled("cmdPlay"));
        h->type("txtHexx", "8000");
        h->click("chkFast");
        h->replaceText("cboLPT", "Port 2");
        QCOMPARE(h->text("lblscript1"), "cartpipe   -f -l2  -w8000 " + roms_ + "/GAME.BIN");
        h->click("cmdPlay");
        const quillon::command::TransferCommand expected{{"", "", "-f", "-l2", "", "-w8000"},
                                                         (roms_ + "/GAME.BIN").toStdString()};
        QCOMPARE(h->launcher.started, std::vector{expected});
        QVERIFY(h->messages.isEmpty());

        h->launcher.outcome = {quillon::platform::LaunchOutcome::Status::Refused, "No."};
        h->click("cmdPlay");
        h->launcher.outcome = {quillon::platform::LaunchOutcome::Status::NotStarted, {}};
        h->click("cmdPlay");
        QCOMPARE(h->messages, QStringList{"No."});
        QVERIFY(h->enabled("cmdPlay"));
    }

    // A drive that is not ready is told once and the list goes back to the
    // last good drive; a ready one opens in the lists and the preview.
    void aDriveNotReadyIsToldAndTheListGoesBack() {
        QVERIFY(openRoms());
        h->drives.spareReady = false;
        h->press("Drive2", Qt::Key_Down);
        QCOMPARE(h->messages, QStringList{"Drive not ready"});
        QCOMPARE(h->text("Drive2"), QString("Work"));
        QCOMPARE(h->find<quillon::ui::FileList>("flbOpen")->folder(), roms_);
        h->drives.spareReady = true;
        h->press("Drive2", Qt::Key_Down);
        QCOMPARE(h->find<quillon::ui::FileList>("flbOpen")->folder(), h->spareFolder());
        QCOMPARE(h->text("lblscript1"), "cartpipe       " + h->spareFolder() + "/");
        QCOMPARE(h->messages.size(), 1);
    }

private:
    // Opens the ROM folder in the folder list, as the user does once the
    // test has put its files there.
    bool openRoms() { return h->openFolder("Dir2", "roms"); }

    std::unique_ptr<WindowHarness> h;
    QString roms_;
};

QTEST_MAIN(UploadRoadTest)
#include "upload_road_test.moc"
