// The tool run inside the window, driven without the main window: real child processes of the
// stand-in tool, found on PATH as the real one would be, and one output window over a run.
#ifdef _WIN32
#include <windows.h>
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QTest>
#include <memory>

#include "output/tool_output.h"
#include "platform/tool_process.h"
#include "ui/output_model.h"
#include "ui/output_window.h"
#include "ui/tool_run.h"

using quillon::output::Stream;
using quillon::ui::ToolRun;

namespace {

const quillon::command::TransferCommand kCommand = {{"-r", "", "-tA B"}, "my dump.a78"};

// Standard output and input lines in order, then standard error's: "o:..|i:..|e:..". The two
// streams are read apart, so their lines' order between them is not the tool's.
QString lines(const quillon::output::ToolOutput& output) {
    QStringList shown, errors;
    const auto& store = output.lines();
    for (std::size_t index = store.firstKept(); index < store.count(); ++index) {
        const auto line = store.line(index);
        const QString text = QString::fromUtf8(line.text.data(), qsizetype(line.text.size()));
        (line.stream == Stream::Error ? errors : shown)
            << QString("oei"[int(line.stream)]) + ":" + text;
    }
    return (shown + errors).join('|');
}

bool processGone(qint64 id) {
#ifdef _WIN32
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, DWORD(id));
    const bool gone = process == nullptr || ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    if (process != nullptr) ::CloseHandle(process);
    return gone;
#else
    // A zombie has ended; only no one has reaped it (in a container maybe no one will).
    QFile status(QString("/proc/%1/stat").arg(id));
    return !status.open(QIODevice::ReadOnly) || status.readAll().contains(") Z ");
#endif
}

}  // namespace

class ToolRunTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Under wine the build's folder has no drive; it is on the one the test starts on.
        qputenv("PATH", QFile::encodeName(QDir::toNativeSeparators(
                            QFileInfo(QUILLON_STAND_IN_TOOL_FOLDER).absoluteFilePath())) +
                            QDir::listSeparator().toLatin1() + path_);
    }
    void cleanupTestCase() { qputenv("PATH", path_); }

    void runs_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("arguments")
            << "arguments"
            << "o:-r|o:-tA B|o:my dump.a78|e:warning: a line on standard error"
            << "Finished";
        QTest::newRow("prompt") << "prompt"
                                << "o:Insert the cartridge and press Enter: |i:> yes|o:read 'yes'"
                                << "Finished";
        QTest::newRow("fail") << "fail"
                              << "e:cartpipe: no transfer device answers on LPT1"
                              << "Failed (exit 3)";
        QTest::newRow("progress") << "progress"
                                  << "o:ready|o:Progress 100%|o:done"
                                  << "Finished";
#ifndef _WIN32
        QTest::newRow("missing") << ""
                                 << ""
                                 << "Could not start: cartpipe is in none of the folders on PATH";
#endif
    }
    // Catches arguments other than the button's, output lost or unmarked, a question that cannot
    // be answered, a failure or a missing tool reported as anything else.
    void runs() {
        QFETCH(QString, mode);
        QFETCH(QString, lines);
        QFETCH(QString, outcome);
        qputenv("QUILLON_TEST_MODE", mode.toLatin1());
        if (mode.isEmpty()) qputenv("PATH", "/nowhere");
        ToolRun run(quillon::platform::toolProcess(kCommand));
        initTestCase();
        run.start();
        if (mode == "prompt") {
            QTRY_VERIFY_WITH_TIMEOUT(!run.output().openLines().empty(), 20000);
            run.send("yes");
        }
        QTRY_VERIFY_WITH_TIMEOUT(!run.isRunning(), 20000);
        QCOMPARE(::lines(run.output()), lines);
        QVERIFY2(quillon::output::outcomeText(run.outcome()).starts_with(outcome.toStdString()),
                 quillon::output::outcomeText(run.outcome()).c_str());
    }

#ifdef _WIN32
    // Catches Run Here giving the interpreter another environment than a start in a terminal
    // gives it: one that lets it take cartpipe from the current folder, or without this
    // program's folder first on PATH, where the installed cartpipe.exe stands.
    void looksForTheToolAsTheTerminalStartDoes() {
        qputenv("QUILLON_TEST_MODE", "search");
        ToolRun run(quillon::platform::toolProcess(kCommand));
        run.start();
        QTRY_VERIFY_WITH_TIMEOUT(!run.isRunning(), 20000);
        QCOMPARE(::lines(run.output()),
                 "o:1|o:" + QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    }
#endif

    // Catches a stop that kills without asking first, that leaves what the tool started running,
    // or that gives up when the tool ignores the request (it is ended after the grace period).
    void stopEndsTheToolAndWhatItStarted() {
        qputenv("QUILLON_TEST_MODE", "hang");
        ToolRun run(quillon::platform::toolProcess(kCommand));
        run.start();
#ifdef _WIN32
        const int processes = 1;  // the stand-in, under the system's cmd.exe
#else
        const int processes = 2;  // the stand-in and its child
#endif
        QTRY_VERIFY_WITH_TIMEOUT(run.output().lines().count() == std::size_t(processes), 20000);
        run.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!run.isRunning(), 20000);
        QCOMPARE(quillon::output::outcomeText(run.outcome()), "Stopped");
        const QStringList seen = ::lines(run.output()).split('|');
        for (const QString& line : seen.filter("o:pid ")) {
            QTRY_VERIFY(processGone(line.mid(6).toLongLong()));
        }
#ifndef _WIN32
        QCOMPARE(seen.filter("o:ignoring the stop request").size(), processes);
#endif
    }

    // Catches a long stream cut short, the log not whole, the view holding more than its last
    // 10 000 lines or not following the end.
    void aLongStreamIsKeptWholeAndTheViewShowsItsEnd() {
        qputenv("QUILLON_TEST_MODE", "stream");
        auto* run = new ToolRun(quillon::platform::toolProcess(kCommand));
        quillon::ui::OutputWindow window(run, "Dump Rom", "cartpipe", "", nullptr);
        window.show();
        run->start();
        QTRY_VERIFY_WITH_TIMEOUT(!run->isRunning(), 600000);
        QCOMPARE(quillon::output::outcomeText(run->outcome()), "Finished");
        QCOMPARE(run->output().lines().count(), std::size_t(200000));
        QCOMPARE(run->output().text().size(), std::size_t(200000 * 50));
        auto* view = window.findChild<QListView*>("lstOutput");
        QCOMPARE(view->model()->rowCount(), 10000);
        const QModelIndex last = view->model()->index(9999, 0);
        QVERIFY(view->viewport()->rect().contains(view->visualRect(last)));
        QCOMPARE(last.data().toString(), "line  200000 of the stream, padded to fifty bytes");
    }

    // A view asking for its rows between two catch-ups (a paint, a screen reader) while the
    // output has moved on: a line let go of since, or an unfinished line finished since, read
    // from outside what is kept (a crash under a fast tool).
    void rowsAskedBetweenCatchUpsReadOnlyWhatIsKept() {
        quillon::output::ToolOutput output(3);
        quillon::ui::OutputModel model(output, QFont());
        const auto rows = [&model] {
            QStringList shown;
            for (int row = 0; row < model.rowCount(); ++row) {
                shown << model.data(model.index(row), Qt::DisplayRole).toString();
            }
            return shown.join('|');
        };
        output.add(Stream::Output, "a\nb\nc\nhalf");
        model.catchUp();
        QCOMPARE(rows(), "a|b|c|half");
        output.add(Stream::Output, " done\nd\ne\nf\n");
        QCOMPARE(rows(), "|||");
        model.catchUp();
        QCOMPARE(rows(), "d|e|f");
    }

private:
    const QByteArray path_ = qgetenv("PATH");
};

QTEST_MAIN(ToolRunTest)
#include "tool_run_test.moc"
