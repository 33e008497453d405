#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTimer>
#include <optional>
#include <string>

#include "output/run_report.h"
#include "output/tool_output.h"
#include "platform/process_tree.h"
#include "platform/tool_process.h"

namespace quillon::ui {

// One run of the tool inside the window: its process, what it has written
// and how it ended. Output is read as it arrives and never waited for, so
// the window stays responsive; the output window shows a run, and tests
// drive one without any window.
class ToolRun : public QObject {
    Q_OBJECT
public:
    explicit ToolRun(platform::ToolProcess process, QObject* parent = nullptr);
    ~ToolRun() override;

    // Starts the tool; when there is nothing to start it with, the run ends
    // at once as one that could not start.
    void start();
    bool isRunning() const { return outcome_.kind == output::Outcome::Kind::Running; }

    const output::ToolOutput& output() const { return output_; }
    const output::Outcome& outcome() const { return outcome_; }
    QDateTime startedAt() const { return startedAt_; }
    QDateTime endedAt() const { return endedAt_; }
    // Seconds since the start, until the end once it has ended.
    qint64 elapsedSeconds() const;

    // Sends `line` and a line end to the tool's standard input.
    void send(const QString& line);
    // Asks the tool to end, and ends it with everything it started when it
    // has not ended after a grace period; the run then reads "Stopped".
    void stop();
    bool stopAsked() const { return stopAsked_; }

signals:
    // New output is there to show. Raised at most once per short interval
    // while output streams in, so that a view redraws in batches, and once
    // more as the run ends.
    void outputChanged();
    void ended();

private:
    void read(QProcess::ProcessChannel channel);
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void processFailed(QProcess::ProcessError error);
    void end(output::Outcome outcome);

    platform::ToolProcess plan_;
    QProcess process_;
    platform::ProcessTree tree_;
    output::ToolOutput output_;
    output::Outcome outcome_;
    QDateTime startedAt_;
    QDateTime endedAt_;
    QElapsedTimer clock_;
    std::optional<qint64> lasted_;
    QTimer batch_;
    QTimer graceEnd_;
    bool stopAsked_ = false;
#ifdef Q_OS_WIN
    std::wstring commandLine_;       // CreateProcess may write into it
    std::wstring environment_;       // the interpreter's, as a block
    const void* created_ = nullptr;  // CreateProcess's account of the new process
#endif
};

}  // namespace quillon::ui
