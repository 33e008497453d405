#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include "ui/file_list.h"
#include "window_harness.h"

// Both pages from folder to started command, with real files of real lengths
// in a temporary folder: a ROM to upload, a destination to dump to.
class FileRoadsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        h = std::make_unique<quillon::testing::WindowHarness>();
        roms_ = h->makeFolder("roms");
        dumps_ = h->makeFolder("dumps");
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
    // no ROM may count as chosen, also at the next evaluation; the labels and
    // preset of the last good ROM stay. A file gone since it was listed
    // changes nothing at all.
    void aRejectedOrVanishedFileLeavesNoRomChosen() {
        h->makeFile("roms/GAME.BIN", 8192);
        h->makeFile("roms/notes.txt", 10);
        const QString gone = h->makeFile("roms/gone.bin", 2048);
        QVERIFY(openRoms());
        h->click("cmdView1");
        QVERIFY(h->clickFile("GAME.BIN") && h->enabled("cmdPlay"));
        QVERIFY(h->clickFile("notes.txt"));
        QCOMPARE(h->messages, QStringList{"Please select an atari file only!"});
        QVERIFY(!h->window().uploadFlags().select && !h->enabled("cmdPlay"));
        h->click("chkHexx");
        h->click("chkHexx");
        QVERIFY(!h->enabled("cmdPlay"));
        QVERIFY(QFile::remove(gone) && h->clickFile("gone.bin"));
        QCOMPARE(h->text("lblName") + "|" + h->text("lblSize") + "|" + h->text("cboDouble"),
                 QString("ROM Selected: GAME|ROM Size: 8KB|Double "));
        QVERIFY(!h->window().uploadFlags().select && h->messages.size() == 1);
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

    // A folder replaces the whole destination, a typed name included, and
    // ends it in the separator; a typed name is judged as it grows, and the
    // button also waits for a switched-on hex field.
    void aFolderAndATypedNameMakeTheDestination() {
        QVERIFY(h->chooseTab(1) && h->openFolder("Dir1", "dumps"));
        QCOMPARE(h->text("lblscript2"), "cartpipe        -tTEST " + dumps_ + "/");
        QVERIFY(!h->window().dumpFlags().select && !h->enabled("cmdPlay2"));
        h->press("txtFileInput", Qt::Key_End);
        h->type("txtFileInput", "GAME.BI");
        QVERIFY(!h->enabled("cmdPlay2"));
        h->type("txtFileInput", "N");
        QVERIFY(h->window().dumpFlags().select && h->enabled("cmdPlay2"));
        QCOMPARE(h->text("lblscript2"), "cartpipe        -tTEST " + dumps_ + "/GAME.BIN");
        h->click("chkShortHexx");
        QVERIFY(!h->enabled("cmdPlay2"));
        h->type("txtShortHexx", "1F");
        QVERIFY(h->enabled("cmdPlay2"));
        QVERIFY(h->openFolder("Dir1", QFileInfo(h->workFolder()).fileName()));
        QCOMPARE(h->text("txtFileInput"), h->workFolder() + "/");
        QVERIFY(!h->enabled("cmdPlay2"));
    }

    // The code's change handler must offer the alternate mode as each key
    // completes a code (which codes: the rule's own table) and leave it, once
    // ticked, in the command when a code from the list withdraws it.
    void theCartridgeCodeOffersTheAlternateMode() {
        QVERIFY(h->chooseTab(1));
        h->replaceText("cboConType", "26F");
        QVERIFY(!h->enabled("chkAlternate2"));
        h->type("cboConType", "8");  // typed, not chosen from the list
        QVERIFY(h->enabled("chkAlternate2"));
        QCOMPARE(h->text("lblscript2"), QString("cartpipe        -t26F8 "));
        h->replaceText("cboConType", "26E0");
        h->click("chkAlternate2");
        h->press("cboConType", Qt::Key_Down);  // the list's next entry
        QCOMPARE(h->text("cboConType"), QString("26P2"));
        QVERIFY(!h->enabled("chkAlternate2"));
        QVERIFY(h->find("chkAlternate2")->property("checked").toBool());
        QCOMPARE(h->text("lblscript2"), QString("cartpipe -a       -t26P2 "));
    }

    // A drive that is not ready is told once and the list goes back to its
    // page's own last good drive (the upload page's is Spare by then); a
    // ready one opens in the page's lists and the preview.
    void aDriveNotReadyIsToldAndTheListGoesBack() {
        for (const auto& [drive, folders, folder, preview, start] :
             {std::tuple{"Drive2", "Dir2", "roms", "lblscript1", "cartpipe       "},
              {"Drive1", "Dir1", "dumps", "lblscript2", "cartpipe        -tTEST "}}) {
            QVERIFY(h->find(drive)->isVisible() || h->chooseTab(1));
            QVERIFY(h->openFolder(folders, folder));
            const QString before = h->text(preview);
            h->messages.clear();
            h->drives.spareReady = false;
            h->press(drive, Qt::Key_Down);
            QCOMPARE(h->messages, QStringList{"Drive not ready"});
            QCOMPARE(h->text(drive) + "|" + h->text(preview), "Work|" + before);
            h->drives.spareReady = true;
            h->press(drive, Qt::Key_Down);
            QCOMPARE(h->text(preview), start + h->spareFolder() + "/");
            QCOMPARE(h->messages.size(), 1);
        }
    }

    // End to end through the system's own launcher, with a stand-in terminal
    // and tool first on PATH: the tool receives the options and the
    // destination, blank and all, as its arguments.
    void theSystemLauncherHandsTheToolItsArguments() {
        const QString bin = h->makeFolder("bin");
        const QString record = bin + "/record";
        const QString tool = "printf '%s\\n' \"$@\" > '" + record + ".part'\nmv '" + record +
                             ".part' '" + record + "'";
        for (const auto& [name, script] : {std::pair<QString, QString>{"cartpipe", tool},
                                           {"x-terminal-emulator", "shift\nexec \"$@\""}}) {
            QFile program(bin + "/" + name);
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.write(("#!/bin/sh\n" + script + "\n").toUtf8());
            program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH"), shell = qgetenv("SHELL");
        const auto restore = qScopeGuard([&] {
            qputenv("PATH", path);
            qputenv("SHELL", shell);
        });
        qputenv("PATH", (bin + ":/usr/bin:/bin").toLocal8Bit());
        qputenv("SHELL", "/bin/true");  // the shell the terminal keeps open ends at once
        system_ = quillon::platform::makeSystemLauncher();
        h->open(system_.get());
        QVERIFY(h->chooseTab(1));
        h->type("txtFileInput", dumps_ + "/my cart.bin");
        h->replaceText("cboDouble2", "Reverse");
        h->click("cmdPlay2");
        QTRY_VERIFY(QFile::exists(record));
        QFile arguments(record);
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()),
                 "-r\n-tTEST\n" + dumps_ + "/my cart.bin\n");
    }

private:
    // Opens the ROM folder in the folder list, as the user does once the
    // test has put its files there.
    bool openRoms() { return h->openFolder("Dir2", "roms"); }

    std::unique_ptr<quillon::testing::WindowHarness> h;
    QString roms_;
    QString dumps_;
    std::unique_ptr<quillon::platform::ToolLauncher> system_;  // outlives the window on it
};

QTEST_MAIN(FileRoadsTest)
#include "file_roads_test.moc"
