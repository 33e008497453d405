#include "ui/tool_run.h"

#include <string_view>
#include <utility>

#ifdef Q_OS_WIN
#include "platform/interpreter_environment_win32.h"
#endif

namespace quillon::ui {

namespace {

// Short enough to read as live, long enough that a stream of thousands of
// lines a second is drawn a few times a second, not once per line.
constexpr int kBatchMilliseconds = 40;

// How long a tool asked to stop may take to clean up before it is ended.
constexpr int kGraceMilliseconds = 3000;

std::string_view bytes(const QByteArray& data) {
    return {data.constData(), static_cast<std::size_t>(data.size())};
}

}  // namespace

ToolRun::ToolRun(platform::ToolProcess process, QObject* parent)
    : QObject(parent), plan_(std::move(process)) {
    batch_.setSingleShot(true);
    batch_.setInterval(kBatchMilliseconds);
    connect(&batch_, &QTimer::timeout, this, &ToolRun::outputChanged);
    graceEnd_.setSingleShot(true);
    graceEnd_.setInterval(kGraceMilliseconds);
    connect(&graceEnd_, &QTimer::timeout, this, [this] { tree_.forceEnd(); });
    connect(&process_, &QProcess::readyReadStandardOutput, this,
            [this] { read(QProcess::StandardOutput); });
    connect(&process_, &QProcess::readyReadStandardError, this,
            [this] { read(QProcess::StandardError); });
    connect(&process_, &QProcess::finished, this, &ToolRun::processFinished);
    connect(&process_, &QProcess::errorOccurred, this, &ToolRun::processFailed);
#ifdef Q_OS_WIN
    // The interpreter is given the whole line exactly as it was composed
    // and checked, its own path first, not one that Qt puts together, and
    // the environment a start in a terminal gives it.
    process_.setCreateProcessArgumentsModifier([this](QProcess::CreateProcessArguments* arguments) {
        arguments->arguments = commandLine_.data();
        arguments->environment = environment_.data();
        arguments->flags |=
            platform::ProcessTree::creationFlags() | platform::interpreterEnvironmentFlag();
        created_ = arguments->processInformation;
    });
#else
    process_.setChildProcessModifier(&platform::ProcessTree::becomeGroupLeader);
#endif
}

// A run is let go of only once it has ended (the window asks first); should
// one still run here all the same, nothing of it is left behind.
ToolRun::~ToolRun() {
    if (process_.state() != QProcess::NotRunning) {
        tree_.forceEnd();
        process_.waitForFinished(kGraceMilliseconds);
    }
}

void ToolRun::start() {
    startedAt_ = QDateTime::currentDateTime();
    clock_.start();
    if (!plan_.missing.empty()) {
        end({output::Outcome::Kind::NotStarted, 0, plan_.missing});
        return;
    }
    process_.setProgram(QString::fromStdString(plan_.program));
    QStringList arguments;
    for (const std::string& argument : plan_.arguments) {
        arguments << QString::fromStdString(argument);
    }
    process_.setArguments(arguments);
#ifdef Q_OS_WIN
    commandLine_ = QString::fromStdString(plan_.commandLine).toStdWString();
    environment_ = platform::interpreterEnvironment();
#endif
    process_.start();
    if (process_.state() == QProcess::NotRunning) {
        return;  // told by errorOccurred
    }
#ifdef Q_OS_WIN
    tree_.adopt(created_);
#else
    tree_.adopt(process_.processId());
#endif
}

qint64 ToolRun::elapsedSeconds() const {
    return lasted_.value_or(clock_.isValid() ? clock_.elapsed() : 0) / 1000;
}

void ToolRun::send(const QString& line) {
    if (!isRunning()) {
        return;
    }
    const QByteArray text = line.toUtf8();
    output_.addInput(bytes(text));
    process_.write(text + '\n');
    emit outputChanged();
}

void ToolRun::stop() {
    if (!isRunning() || stopAsked_) {
        return;
    }
    stopAsked_ = true;
    tree_.askToEnd();
    graceEnd_.start();
}

void ToolRun::read(QProcess::ProcessChannel channel) {
    const bool error = channel == QProcess::StandardError;
    const QByteArray data =
        error ? process_.readAllStandardError() : process_.readAllStandardOutput();
    output_.add(error ? output::Stream::Error : output::Stream::Output, bytes(data));
    if (!batch_.isActive()) {
        batch_.start();
    }
}

void ToolRun::processFinished(int exitCode, QProcess::ExitStatus status) {
    read(QProcess::StandardOutput);
    read(QProcess::StandardError);
    end(output::endedOutcome(stopAsked_, status == QProcess::CrashExit, exitCode));
}

// Only a failed start ends the run here; every other error is followed by
// the process's end, which tells the outcome.
void ToolRun::processFailed(QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart && isRunning()) {
        end({output::Outcome::Kind::NotStarted, 0, process_.errorString().toStdString()});
    }
}

void ToolRun::end(output::Outcome outcome) {
    output_.finish();
    outcome_ = std::move(outcome);
    endedAt_ = QDateTime::currentDateTime();
    lasted_ = clock_.elapsed();
    batch_.stop();
    graceEnd_.stop();
    emit outputChanged();
    emit ended();
}

}  // namespace quillon::ui
