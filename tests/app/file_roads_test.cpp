#include <QAccessible>
#include <QFile>
#include <QTest>
#include <optional>

#include "ui/file_list.h"
#include "window_harness.h"

using quillon::platform::LaunchOutcome;

// Both pages from folder to started command, with real files of real lengths.
class FileRoadsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        h.emplace();
        roms_ = h->make("roms");
        dumps_ = h->make("dumps");
        h->open();
    }
    void cleanup() { h.reset(); }

    // Length not read, preset bypassing the combo box, a view button that keeps the labels or
    // the ROM chosen, a rejected file left chosen, a vanished one kept listed or chosen, a folder
    // keeping the ROM.
    void theUploadRoadFromFolderToRom() {
        for (const auto& [name, bytes] : {std::pair{"cart.a78", 2048},
                                          {"Four.A78", 4096},
                                          {"notes.txt", 10},
                                          {"gone.bin", 2048},
                                          {"more", -1}}) {
            h->make(QString("roms/") + name, bytes);
        }
        QVERIFY(h->openFolder("Dir2", "roms"));
        for (const auto& [file, shown, token] :
             {std::tuple{"cart.a78", "ROM Selected: CART|ROM Size: 2KB|Double |on", "-d"},
              {"Four.A78", "ROM Selected: FOUR|ROM Size: 4KB|No Double|off", ""}}) {
            h->replaceText("cboDouble", "Reverse");
            QVERIFY(h->clickFile(file));
            QCOMPARE(h->text("lblName") + "|" + h->text("lblSize") + "|" + h->text("cboDouble") +
                         (h->enabled("cboDouble") ? "|on" : "|off"),
                     QString(shown));
            QVERIFY(h->window().upload().flags().select && h->enabled("cmdPlay"));
            QCOMPARE(h->text("lblscript1"),
                     h->native(QString("cartpipe  %1     %2/%3").arg(token, roms_, file)));
        }
        auto* files = h->find<quillon::ui::FileList>("flbOpen");
        QCOMPARE(files->count(), 3);
        h->click("cmdView1");
        QCOMPARE(files->count(), 4);
        QVERIFY(h->find("cmdView1")->isHidden() && h->enabled("cmdView2"));
        QVERIFY(h->text("lblName").isEmpty() && !h->enabled("cmdPlay") && h->messages.isEmpty());
        QVERIFY(!h->window().upload().flags().select);
        QVERIFY(h->clickFile("cart.a78") && h->clickFile("notes.txt"));
        QCOMPARE(h->messages, QStringList{"Please select an atari file only!"});
        QVERIFY(!h->window().upload().flags().select && !h->enabled("cmdPlay"));
        QVERIFY(h->clickFile("cart.a78") && QFile::remove(roms_ + "/gone.bin"));
        QVERIFY(h->clickFile("gone.bin") && !h->clickFile("gone.bin"));
        QCOMPARE(h->text("lblName") + "|" + h->text("lblSize") + "|" + files->currentFileName(),
                 "||");
        QVERIFY(!h->window().upload().flags().select && h->messages.size() == 1);
        QVERIFY(!h->enabled("cmdPlay"));
        h->click("cmdView2");
        QVERIFY(h->find("cmdView2")->isHidden() && h->find("cmdView1")->isVisible());
        QVERIFY(h->clickFile("cart.a78") && h->openFolder("Dir2", "more"));
        QVERIFY(h->text("lblName").isEmpty() && !h->enabled("cmdPlay"));
        QCOMPARE(h->text("lblscript1"), h->native("cartpipe  -d     " + roms_ + "/more/"));
    }

    // A stale command, a start despite a short write address, a silent refusal or failure, a
    // start with an empty file argument for a ROM deleted since it was chosen.
    void uploadStartsTheComposedCommand() {
        const QString rom = h->make("roms/GAME.BIN", 32768);
        QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile("GAME.BIN"));
        QCOMPARE(QAccessible::queryAccessibleInterface(h->find("lblName"))->text(QAccessible::Name),
                 QString("ROM Selected: GAME"));  // the name follows the text
        h->click("chkHexx");
        QVERIFY(!h->enabled("cmdPlay"));
        h->type("txtHexx", "8000");
        h->click("chkFast");
        h->replaceText("cboLPT", "Port 2");
        h->click("cmdPlay");
        const quillon::command::TransferCommand expected{
            {"", "", "-f", "-l2", "", "-w8000"}, h->native(roms_ + "/GAME.BIN").toStdString()};
        QCOMPARE(h->launcher.started, std::vector{expected});
        h->launcher.outcome = {LaunchOutcome::Status::NotStarted, "Install."};
        h->click("cmdPlay");
        QVERIFY(h->messages == QStringList{"Install. [&Run Here|OK]"} && h->enabled("cmdPlay"));
        QVERIFY(QFile::remove(rom));
        h->click("cmdPlay");
        QVERIFY(h->launcher.started.size() == 2 && h->messages.size() == 2);  // none more
        QVERIFY2(h->messages[1].contains("\"" + h->native(rom) + "\""), qPrintable(h->messages[1]));
    }

    // A second start from a click on a button whose first start is still watched, a watch on one
    // page holding back the other page's button, a button left dead once the outcome is in.
    void aClickWhileItsStartIsWatchedStartsNothing() {
        h->make("roms/GAME.BIN", 2048);
        QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile("GAME.BIN"));
        QVERIFY(h->chooseTab(1));
        h->replaceText("txtFileInput", "cart.bin");
        h->launcher.holding = true;
        h->click("cmdPlay2");
        h->click("cmdPlay2");
        QVERIFY(h->chooseTab(0));
        h->click("cmdPlay");
        h->click("cmdPlay");
        QCOMPARE(h->launcher.started.size(), std::size_t{2});  // one for each button
        h->launcher.outcome = {LaunchOutcome::Status::NotStarted, "Install."};
        h->launcher.holding = false;
        QVERIFY(QTest::qWaitFor([&] { return h->messages.size() == 2; }, 30000));
        h->click("cmdPlay");
        QVERIFY(h->launcher.started.size() == 3 && h->messages.size() == 3);
    }

    // A folder not replacing the whole destination, a name not judged as typed, a hex field
    // not holding the button back; the alternate mode not offered as a key completes a code,
    // or not dropped when withdrawn.
    void theDumpPageFromFolderToCommand() {
        QVERIFY(h->chooseTab(1) && h->openFolder("Dir1", "dumps"));
        QCOMPARE(h->text("lblscript2"), h->native("cartpipe        -tTEST " + dumps_ + "/"));
        h->press("txtFileInput", Qt::Key_End);
        h->type("txtFileInput", "GAME.BI");
        QVERIFY(!h->window().dump().flags().select && !h->enabled("cmdPlay2"));
        h->type("txtFileInput", "N");
        QVERIFY(h->window().dump().flags().select && h->enabled("cmdPlay2"));
        QCOMPARE(h->text("lblscript2"),
                 h->native("cartpipe        -tTEST " + dumps_ + "/GAME.BIN"));
        h->click("chkShortHexx");
        QVERIFY(!h->enabled("cmdPlay2"));
        h->type("txtShortHexx", "1F");
        QVERIFY(h->enabled("cmdPlay2"));
        QVERIFY(h->openFolder("Dir1", "work"));
        QVERIFY(h->text("txtFileInput") == h->native(h->workFolder() + "/") &&
                !h->enabled("cmdPlay2"));
        h->replaceText("cboConType", "26F");
        QVERIFY(!h->enabled("chkAlternate2"));
        h->type("cboConType", "8");
        QVERIFY(h->enabled("chkAlternate2"));
        h->replaceText("cboConType", "26E0");
        h->click("chkAlternate2");
        h->press("cboConType", Qt::Key_Down);  // the list's next entry
        QVERIFY(!h->enabled("chkAlternate2"));
        QCOMPARE(h->text("lblscript2"),
                 h->native("cartpipe -a     -n1F  -t26P2 " + h->workFolder() + "/"));
    }

    // A drive not ready not told once or kept (the upload page's last good one is Spare).
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
            QCOMPARE(h->text(preview) + "|" + h->messages.join('|'),
                     h->native(start + h->drives.spare.root + "/") + "|Drive not ready");
        }
    }

private:
    std::optional<quillon::testing::WindowHarness> h;
    QString roms_, dumps_;
};

QTEST_MAIN(FileRoadsTest)
#include "file_roads_test.moc"
