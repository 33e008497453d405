// What a run inside the window costs: a long stream of output into the output window against
// reading the same bytes from a pipe, and the memory the window holds meanwhile.
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <cstdio>
#include <cstdlib>

#include "figures.h"
#include "ui/output_window.h"
#include "ui/tool_run.h"
#include "windows.h"

namespace quillon::bench {
namespace {

constexpr long kStreamLines = 200000;
constexpr long kRestLines = 10;

void require(bool condition) {
    if (!condition) std::abort();  // a figure that measured the wrong work is worthless
}

QStringList streamArguments(long lines) {
    return {QStringLiteral("--stream-child"), QString::number(lines)};
}

// This very program as the tool, printing `lines` lines.
platform::ToolProcess streamProcess(long lines) {
    platform::ToolProcess process;
    process.program = QCoreApplication::applicationFilePath().toStdString();
    for (const QString& argument : streamArguments(lines)) {
        process.arguments.push_back(argument.toStdString());
    }
    return process;
}

// The bytes read as they arrive and dropped: what any reader of the tool pays.
double readFromPipe() {
    QProcess child;
    QEventLoop loop;
    qint64 bytes = 0;
    QObject::connect(&child, &QProcess::readyReadStandardOutput,
                     [&] { bytes += child.readAllStandardOutput().size(); });
    QObject::connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
    const double seconds = timed([&] {
        child.start(QCoreApplication::applicationFilePath(), streamArguments(kStreamLines));
        loop.exec();
    });
    require(bytes >= kStreamLines * 50);
    return seconds;
}

// An output window shown over a run of `lines` lines; returns once the run has ended and the
// window shows it.
struct ShownRun {
    explicit ShownRun(long lines)
        : run(new ui::ToolRun(streamProcess(lines))),
          window(run, QStringLiteral("Dump Rom"), QStringLiteral("cartpipe"), {}, nullptr) {
        showAndWait(window);
    }
    void untilEnded() {
        QEventLoop loop;
        QObject::connect(run, &ui::ToolRun::ended, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        run->start();
        loop.exec();
    }
    ui::ToolRun* run;
    ui::OutputWindow window;
};

double intoTheView() {
    ShownRun shown(kStreamLines);
    const double seconds = timed([&] { shown.untilEnded(); });
    require(shown.run->output().lines().count() == std::size_t(kStreamLines));
    return seconds;
}

}  // namespace

int runStreamChild(long lines) {
    for (long line = 1; line <= lines; ++line) {
        std::printf("line %7ld of the stream, padded to fifty bytes\n", line);
    }
    return 0;
}

Figure outputStreamFigure() {
    return {"200 000 output lines into the view", 3.0, intoTheView, readFromPipe};
}

int runOutputMemoryChild(bool streaming) {
    LoaderWindow loader;
    showAndWait(loader.window());
    ShownRun shown(streaming ? kStreamLines : kRestLines);
    shown.untilEnded();
    QCoreApplication::processEvents();
    std::printf("%ld\n", peakResidentKb());
    return 0;
}

long peakOutputMemoryOfChild(bool streaming) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memory-output"),
                 streaming ? QStringLiteral("stream") : QStringLiteral("rest")});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) return -1;
    bool ok = false;
    const long kb = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed().toLong(&ok);
    return ok ? kb : -1;
}

}  // namespace quillon::bench
