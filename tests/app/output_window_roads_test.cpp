// The output window as a user works with it once a run has started from the window: answering the
// tool's questions, copying its lines, copying and saving the log. The stand-in tool on PATH
// stands for the real one.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>
#include <optional>

#include "output_windows.h"
#include "ui/tool_run.h"
#include "window_harness.h"

using quillon::testing::shownRows;
using quillon::ui::OutputWindow;

class OutputWindowRoadsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quillon::testing::prepareRunsHere(); }
    void init() { QVERIFY(quillon::testing::openOverARom(h.emplace())); }
    void cleanup() { h.reset(); }

    // An answer that does not reach the tool or is not shown below its question, selected lines
    // not copied whole.
    void theInputLineAnswersTheTool() {
        qputenv("QUILLON_TEST_MODE", "prompt");
        QVERIFY(h->openFolder("Dir2", "roms") && h->clickFile("cart.a78"));
        choose("lblscript1", "&Run Here");
        OutputWindow* output = outputWindow();
        auto* rows = output->findChild<QListView*>("lstOutput")->model();
        QTRY_COMPARE_WITH_TIMEOUT(rows->rowCount(), 1, 20000);
        QTest::keyClicks(output->findChild<QLineEdit*>("txtInput"), "yes");
        QTest::keyClick(output->findChild<QLineEdit*>("txtInput"), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!output->run().isRunning(), 20000);
        const QStringList lines{"Insert the cartridge and press Enter: ", "> yes", "read 'yes'"};
        QCOMPARE(shownRows(output, false), lines);
        auto* view = output->findChild<QListView*>("lstOutput");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(rows->index(0, 0)).center());
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), lines.join('\n'));
    }

    // A log without its facts or output, copied and saved apart, not saved as UTF-8 text.
    void theLogIsCopiedAndSaved() {
        qputenv("QUILLON_TEST_MODE", "fail");
        QVERIFY(h->chooseTab(1));
        h->find<QLineEdit>("txtFileInput")->setText("dumps/ünï.a78");
        choose("lblscript2", "&Run Here");
        OutputWindow* output = outputWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!output->run().isRunning(), 20000);
        QTest::mouseClick(output->findChild<QWidget*>("cmdCopyLog"), Qt::LeftButton);
        const QString log = QApplication::clipboard()->text();
        const QString command = output->findChild<QLineEdit*>("txtCommand")->text();
        QVERIFY2(log.startsWith("Command: " + command + "\nStarted: ") && command.contains("ünï") &&
                     log.contains("\nOutcome: Failed (exit 3)\n\ncartpipe: no transfer") &&
                     log.endsWith("\nParallel ports on this computer:\n"
                                  "No parallel port is listed by the system.\n"),
                 qPrintable(log));
        const QString saved = h->workFolder() + "/dumps/log.txt";
        QTimer::singleShot(0, [saved] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectFile(saved);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QTest::mouseClick(output->findChild<QWidget*>("cmdSaveLog"), Qt::LeftButton);
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(QString::fromUtf8(file.readAll()), log);
    }

private:
    void choose(const char* preview, const QString& item) {
        QVERIFY2(h->chooseFromMenu(preview, item), qPrintable("no menu item " + item));
    }

    OutputWindow* outputWindow() { return quillon::testing::latestOutputWindow(h->window()); }

    std::optional<quillon::testing::WindowHarness> h;
};

QTEST_MAIN(OutputWindowRoadsTest)
#include "output_window_roads_test.moc"
