// Running the tool inside the window, from the previews' menus, the action buttons and the offer
// made when no terminal starts, against the stand-in tool found on PATH as the real one would be.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <optional>

#include "app/run_here.h"
#include "output_windows.h"
#include "settings/settings_store.h"
#include "ui/check_view.h"
#include "ui/output_window.h"
#include "ui/tool_run.h"
#include "window_harness.h"

using quillon::platform::LaunchOutcome;
using quillon::testing::shownRows;
using quillon::ui::OutputWindow;

class RunHereTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quillon::testing::prepareRunsHere(); }
    void init() { QVERIFY(quillon::testing::openOverARom(h.emplace())); }
    void cleanup() { h.reset(); }

    // An item missing or out of place, "Run Here" offered while the button would not start.
    void thePreviewMenusOfferRunHere() {
        const QString off =
            "Copy Command (off)|&Run Here (off)|-|Always Run &Here (unchecked)|-|Chec&k File… "
            "(off)";
        QCOMPARE(menuItems("lblscript1"), off);
        QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile("cart.a78"));
        QCOMPARE(menuItems("lblscript1"), QString(off).remove(" (off)"));
        QVERIFY(h->chooseTab(1));
        QCOMPARE(menuItems("lblscript2"), off);
        h->type("txtFileInput", "cart.a78");  // not dumped yet: nothing to check
        QCOMPARE(
            menuItems("lblscript2"),
            QString(off).replace("Command (off)", "Command").replace("Run Here (off)", "Run Here"));
    }

    void runs_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("via");  // menu, button (always here), offer (no terminal)
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("rows");  // as screen readers get them, sorted
        QTest::addColumn<QString>("outcome");
        QTest::newRow("upload from the menu")
            << 1 << "menu"
            << "arguments"
            << QStringList{"-d", "Error output: warning: a line on standard error", "{rom}"}
            << "Finished";
        QTest::newRow("dump from the button")
            << 2 << "button"
            << "fail" << QStringList{"Error output: cartpipe: no transfer device answers on LPT1"}
            << "Failed (exit 3)";
        QTest::newRow("upload offered")
            << 1 << "offer"
            << "progress" << QStringList{"Progress 100%", "done", "ready"} << "Finished";
        QTest::newRow("dump offered, declined") << 2 << "offer"
                                                << "" << QStringList() << "";
    }
    // Another command run than the button's, in a terminal all the same, the window mistitled or
    // without the copied line, output lost or error lines not announced, a wrong outcome, the
    // ports not listed after a failure, the offer missing, a dump's file not given to check.
    void runs() {
        QFETCH(int, page);
        QFETCH(QString, via);
        QFETCH(QString, mode);
        QFETCH(QStringList, rows);
        QFETCH(QString, outcome);
        qputenv("QUILLON_TEST_MODE", mode.toLatin1());
        QSignalSpy written(&h->window().runHere(), &quillon::app::RunHere::fileWritten);
        const QString rom = h->native(h->workFolder() + "/roms/cart.a78");
        if (page == 1) {
            QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile("cart.a78"));
        } else {
            QVERIFY(h->chooseTab(1));
            h->type("txtFileInput", "dumps/new.a78");
        }
        const char* preview = page == 1 ? "lblscript1" : "lblscript2";
        QTest::mouseClick(h->find(preview), Qt::LeftButton);
        QTest::keyClick(h->find(preview), Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        if (via == "menu") {
            choose(preview, "&Run Here");
        } else {
            h->launcher.outcome = {LaunchOutcome::Status::NotStarted, "No terminal."};
            h->answers << (mode.isEmpty() ? "OK" : "&Run Here");
            if (via == "button") choose(preview, "Always Run &Here");
            h->click(page == 1 ? "cmdPlay" : "cmdPlay2");
        }
        QCOMPARE(h->launcher.started.size(), std::size_t(via == "offer"));
        QCOMPARE(h->messages,
                 via == "offer" ? QStringList{"No terminal. [&Run Here|OK]"} : QStringList());
        OutputWindow* output = outputWindow();
        QCOMPARE(output != nullptr, !mode.isEmpty());
        if (!output) return;
        QTRY_VERIFY_WITH_TIMEOUT(!output->run().isRunning(), 20000);
        QCOMPARE(output->windowTitle(),
                 page == 1 ? "cartpipe — Upload Rom" : "cartpipe — Dump Rom");
        QCOMPARE(output->findChild<QLineEdit*>("txtCommand")->text(), copied);
        rows.replaceInStrings("{rom}", rom).sort();
        QCOMPARE(shownRows(output), rows);
        QCOMPARE(output->findChild<QLabel*>("lblOutcome")->text(), outcome);
        auto* ports = output->findChild<QLabel*>("lblPorts");
        QCOMPARE(ports->isVisible() ? ports->text() : "",
                 outcome.startsWith("Failed")
                     ? "Parallel ports on this computer:\nNo parallel port is listed by the system."
                     : "");
        QCOMPARE(written.size(), 0);  // the stand-in dumps nothing, and a failed dump has no file
    }

    // A finished dump's file not offered for checking, or an upload's offered.
    void aFinishedDumpIsOfferedForChecking() {
        QSignalSpy written(&h->window().runHere(), &quillon::app::RunHere::fileWritten);
        qputenv("QUILLON_TEST_MODE", "arguments");
        QVERIFY(h->chooseTab(1));
        h->type("txtFileInput", "dumps/new.a78");
        choose("lblscript2", "&Run Here");
        QTRY_VERIFY_WITH_TIMEOUT(!outputWindow()->run().isRunning(), 20000);
        QCOMPARE(written.size(), 1);
        QCOMPARE(written.front().front().toString(), h->workFolder() + "/dumps/new.a78");
        // ... and checked at once.
        auto* check = h->window().findChild<quillon::ui::CheckView*>("frmCheck");
        QVERIFY(check);
        QCOMPARE(check->findChild<QLabel*>("lblCheckFile")->text(),
                 h->native(h->workFolder() + "/dumps/new.a78"));
    }

    // Two runs at once, a run killed unasked or left running without a window when its window or
    // Quillon closes, Quillon closing before the run it was asked to stop has ended.
    void oneRunAtATimeAndNoneLeftBehind() {
        qputenv("QUILLON_TEST_MODE", "hang");
        QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile("cart.a78"));
        choose("lblscript1", "&Run Here");
        OutputWindow* output = outputWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!shownRows(output).isEmpty(), 20000);
        choose("lblscript1", "&Run Here");
        h->answers << "Cancel"
                   << "Cancel";
        QTest::mouseClick(output->findChild<QWidget*>("cmdClose"), Qt::LeftButton);
        h->click("cmdExit");
        QVERIFY(output->isVisible() && h->window().isVisible() && output->run().isRunning());
        QCOMPARE(h->window().findChildren<OutputWindow*>().size(), 1);
        // The output window goes as Quillon closes: its outcome is taken as the run ends.
        auto ended = quillon::output::Outcome::Kind::Running;
        connect(&output->run(), &quillon::ui::ToolRun::ended,
                [&ended, run = &output->run()] { ended = run->outcome().kind; });
        h->answers << "&Stop and Quit";
        h->click("cmdExit");
        QTRY_VERIFY_WITH_TIMEOUT(!h->window().isVisible(), 20000);
        QCOMPARE(ended, quillon::output::Outcome::Kind::Stopped);
        QCOMPARE(
            h->messages.join('\n'),
            "cartpipe is still running in its window. Stop it or wait until it has ended, "
            "then run it again.\n"
            "cartpipe is still running. Stop it and close its window? [&Stop and Close|Cancel]\n"
            "cartpipe is still running. Stop it and quit? [&Stop and Quit|Cancel]\n"
            "cartpipe is still running. Stop it and quit? [&Stop and Quit|Cancel]");
    }

    // The choice not kept, kept in a page's section, or not read back at the next start.
    void alwaysRunHereIsRememberedInASectionOfItsOwn() {
        using namespace quillon::settings;
        const auto saved = [this] {
            return textOf(h->store.readSection(kRunSection), "mnuAlwaysRunHere");
        };
        choose("lblscript1", "Always Run &Here");
        QCOMPARE(saved(), "True");
        for (const auto section : {kUploadSection, kDumpSection}) {
            QVERIFY(h->store.readSection(section).empty());
        }
        h->open();
        QVERIFY(menuItems("lblscript2").contains("Always Run &Here (checked)"));
        choose("lblscript2", "Always Run &Here");
        QCOMPARE(saved(), "False");
    }

private:
    // The preview's context menu as "text (off)|-|text (checked)|...".
    QString menuItems(const char* preview) {
        QMenu* menu = h->openMenu(preview);
        QStringList items;
        for (const QAction* item : menu->actions()) {
            items << (item->isSeparator() ? "-" : item->text()) +
                         (item->isEnabled() ? "" : " (off)") +
                         (item->isCheckable() ? item->isChecked() ? " (checked)" : " (unchecked)"
                                              : "");
        }
        menu->close();
        return items.join('|');
    }

    void choose(const char* preview, const QString& item) {
        QVERIFY2(h->chooseFromMenu(preview, item), qPrintable("no menu item " + item));
    }

    OutputWindow* outputWindow() { return quillon::testing::latestOutputWindow(h->window()); }

    std::optional<quillon::testing::WindowHarness> h;
};

QTEST_MAIN(RunHereTest)
#include "run_here_test.moc"
