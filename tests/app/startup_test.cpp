#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include "ui/file_list.h"
#include "ui/twips.h"
#include "window_harness.h"

using quillon::testing::WindowHarness;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { h = std::make_unique<WindowHarness>(); }
    void cleanup() { h.reset(); }

    // A caption, item list or start switch that differs from the layout.
    void firstStartShowsEveryControlAsLaidOut() {
        h->open();
        const QString types = "[Bankswitched|Linear|Highscore]", ports = "[Port 1|Port 2|Port 3]";
        const QString doubles = "[No Double|Double |Reverse]";
        const QStringList expected = {
            "fraUp 'Comp to Atari'", "Drive2 'Work' fixed [Work|Spare]", "lblLogo 'Quillon'",
            "lblName ''", "lblSize ''",
            "cmdPlay '&Upload Rom' disabled", "cmdExit 'E&xit'", "cboDouble 'No Double' " + doubles,
            "lblDouble1 'Double Transfer:'", "cmdView1 'Click to See All Files'",
            "cmdView2 'Click to see atari Files' hidden", "chkFast 'Fast Transfer'",
            "cboLPT 'Port 1' " + ports, "lblLPT 'LPT Port Number:'", "chkHexx 'Writeaddress'",
            "txtHexx '' hidden disabled", "Label1 '(4-digit Hex)'",
            "cboType 'Bankswitched' " + types, "lblType 'Cartridge Type:'",
            "cmdSave1 '&Save Settings'", "fraDown 'Atari to Comp' hidden", "lblLogo2 'Quillon'",
            "cboConType 'TEST' [TEST|7816|7832|7848|78AB|78AC|78S4|78SG|78S9|262K|264K|26F8|"
            "26E0|26P2|26FA|26F6|26E7|26F4|26F0|26FE|26S8|26S6|26S4|263F]",
            "Drive1 'Work' fixed [Work|Spare]", "txtFileInput ''", "cmdPlay2 '&Dump Rom' disabled",
            "cmdExit2 'E&xit'",
            "chkAlternate2 'Alternate Mode' disabled", "cboDouble2 'No Double' " + doubles,
            "lblDouble2 'Double Transfer:'", "chkHexx2 'Writeaddress'",
            "txtHexx2 '' hidden disabled", "cboLPT2 'Port 1' " + ports,
            "lbltemp1 '(4-digit Hex)'", "lblLPT2 'LPT Port Number:'",
            "txtShortHexx '' hidden disabled", "chkShortHexx 'Banknumber'",
            "cboType2 'Bankswitched' " + types, "lbltemp2 '(2-digit Hex)'",
            "lblType2 'Cartridge Type:'", "cmdSave2 '&Save Settings'"};
        QCOMPARE(h->describe(expected), expected);
    }

    // Previews or the file list not set from the start values (wrong start
    // flags show in the buttons, here and on the roads); the window, its tabs
    // or a control out of place; the download page or the second view button
    // not lying exactly on their twins.
    void firstStartComposesThePreviewsAndPlacesThePages() {
        auto& window = h->open();
        QCOMPARE(h->text("lblscript1"), "cartpipe       " + h->workFolder() + "/");
        QCOMPARE(h->text("lblscript2"), QString("cartpipe        -tTEST "));
        QVERIFY(h->messages.isEmpty() && h->launcher.started.empty());
        auto* files = h->find<quillon::ui::FileList>("flbOpen");
        QCOMPARE(files->folder() + "|" + files->pattern() + "|" + files->currentFileName(),
                 h->workFolder() + "|*.bin;*.a78|");
        QCOMPARE(window.windowTitle(), QString("Quillon 2.5"));
        QCOMPARE(window.size(), quillon::ui::twipsSize(5730, 5790));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QTabWidget* tabs = window.controls().tabTrans;
        QCOMPARE(tabs->tabText(0) + "|" + tabs->tabText(1),
                 QString("Upload to  Atari|Download from Atari"));
        QVERIFY(tabs->currentIndex() == 0 && h->find("fraUp")->isVisible());
        QCOMPARE(h->find("fraDown")->geometry(), h->find("fraUp")->geometry());
        QCOMPARE(h->find("cmdView2")->geometry(), h->find("cmdView1")->geometry());
        const struct {
            const char* name;
            int left, top, width, height;
        } places[] = {{"tabTrans", 60, 60, 5655, 5655},       {"fraUp", 180, 480, 5415, 5115},
                      {"Dir2", 420, 660, 2055, 1215},         {"flbOpen", 360, 1860, 2175, 1065},
                      {"lblscript1", 2040, 4140, 3075, 615},  {"Dir1", 180, 660, 2415, 1440},
                      {"txtFileInput", 120, 2160, 2535, 615},
                      {"txtShortHexx", 1740, 3720, 855, 315}};
        for (const auto& [name, left, top, width, height] : places) {
            QVERIFY2(h->find(name)->geometry() == quillon::ui::twipsRect(left, top, width, height),
                     name);
        }
    }

    // A restore that bypasses the controls' handlers leaves flags, buttons,
    // previews or the alternate mode out of step with the restored values.
    void bothSavedPagesComeBackInStep() {
        save("Upload", {{"chkFast", "True"}, {"chkHexx", "True"}, {"txtHexx", "8000"},
                        {"cboDouble", "Reverse"}, {"cboLPT", "Port 2"}, {"cboType", "Linear"},
                        {"Load", "Yes"}});
        save("Dump", {{"chkAlternate2", "True"}, {"chkHexx2", "True"}, {"txtHexx2", "C0"},
                      {"chkShortHexx", "True"}, {"txtShortHexx", "1F"}, {"cboDouble2", "Double "},
                      {"cboLPT2", "Port 3"}, {"cboType2", "Highscore"}, {"cboConType", "TEST"},
                      {"Load2", "Yes"}});
        auto& window = h->open();
        const QStringList options = h->savedOptions();
        QCOMPARE(options.mid(0, 3),
                 (QStringList{"chkFast 'Fast Transfer' checked", "chkHexx 'Writeaddress' checked",
                              "txtHexx '8000'"}));
        QCOMPARE(options.mid(6, 5),
                 (QStringList{"chkAlternate2 'Alternate Mode' disabled checked",
                              "chkHexx2 'Writeaddress' checked", "txtHexx2 'C0'",
                              "chkShortHexx 'Banknumber' checked", "txtShortHexx '1F'"}));
        QVERIFY(window.uploadFlags().hexx && !window.dumpFlags().hexx);
        QVERIFY(window.dumpFlags().shortHexx);
        QCOMPARE(h->text("lblscript1"),
                 "cartpipe  -r -f -l2 -c1 -w8000 " + h->workFolder() + "/");
        QCOMPARE(h->text("lblscript2"), QString("cartpipe -a -d  -l3 -c2 -n1F -wC0 -tTEST "));
        QVERIFY(!h->enabled("cmdPlay") && !h->enabled("cmdPlay2"));  // no ROM, no destination
        // The restore ran before the window was shown: no focus was moved.
        QVERIFY(QApplication::focusWidget() != h->find("txtShortHexx"));
    }

    // A restore that touches the page that was not saved (each preview
    // carries every option of its page).
    void oneSavedPageLeavesTheOtherAsLaidOut() {
        save("Dump", {{"chkHexx2", "False"}, {"txtHexx2", "C000"}, {"cboConType", "26F8"},
                      {"Load2", "Yes"}});
        h->open();
        QCOMPARE(h->text("lblscript1"), "cartpipe       " + h->workFolder() + "/");
        QVERIFY(h->find("txtHexx2")->isHidden() && h->text("txtHexx2").isEmpty());
        QVERIFY(h->enabled("chkAlternate2"));
        QCOMPARE(h->text("lblscript2"), QString("cartpipe        -t26F8 "));
    }

    // A Save button that writes another page, misses a control, or is not
    // read back at the next start.
    void savedOptionsAreThereAtTheNextStart() {
        h->open();
        h->click("chkFast");
        h->click("chkHexx");
        h->type("txtHexx", "80");
        h->replaceText("cboType", "linear");
        h->click("cmdSave1");
        QVERIFY(h->chooseTab(1));
        h->replaceText("cboConType", "26FA");
        h->click("chkAlternate2");
        h->click("chkShortHexx");
        h->type("txtShortHexx", "0A");
        h->click("cmdSave2");
        const QStringList saved = h->savedOptions();
        auto& second = h->open();
        QCOMPARE(h->savedOptions(), saved);
        QVERIFY(!second.uploadFlags().hexx);  // two of four characters
        QVERIFY(second.dumpFlags().shortHexx);
    }

private:
    using Values = std::initializer_list<std::pair<const char*, const char*>>;
    void save(const char* section, Values values) {
        for (const auto& [key, value] : values) {
            QVERIFY(h->store.write("Quillon", section, key, value));
        }
    }

    std::unique_ptr<WindowHarness> h;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
