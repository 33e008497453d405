#include "ui/output_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "command/transfer_command.h"
#include "platform/parallel_ports.h"
#include "ui/message_box.h"
#include "ui/output_model.h"
#include "ui/tool_run.h"

namespace quillon::ui {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

OutputWindow::OutputWindow(ToolRun* run, const QString& action, const QString& commandLine,
                           std::string portSource, QWidget* parent)
    : QWidget(parent, Qt::Window),
      run_(run),
      commandLine_(commandLine),
      portSource_(std::move(portSource)) {
    setObjectName(QStringLiteral("frmOutput"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(fromUtf8(std::string(command::kToolName)) + QStringLiteral(" — ") + action);
    run_->setParent(this);
    build(commandLine);
    connect(run_, &ToolRun::outputChanged, this, &OutputWindow::showOutput);
    connect(run_, &ToolRun::ended, this, &OutputWindow::runEnded);
    connect(&clock_, &QTimer::timeout, this, &OutputWindow::showState);
    clock_.start(1000);
    showState();
}

void OutputWindow::build(const QString& commandLine) {
    const QFont monospace = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    txtCommand_ = named(new QLineEdit(commandLine, this), "txtCommand");
    txtCommand_->setReadOnly(true);
    txtCommand_->setFont(monospace);
    txtCommand_->setAccessibleName(QStringLiteral("Command"));

    model_ = new OutputModel(run_->output(), monospace, this);
    lstOutput_ = named(new QListView(this), "lstOutput");
    lstOutput_->setModel(model_);
    lstOutput_->setUniformItemSizes(true);
    lstOutput_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstOutput_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstOutput_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstOutput_->setAccessibleName(QStringLiteral("Output"));
    // The view alone would copy the current line only, whatever is selected.
    auto* copyLines = new QAction(lstOutput_);
    copyLines->setShortcut(QKeySequence::Copy);
    copyLines->setShortcutContext(Qt::WidgetShortcut);
    lstOutput_->addAction(copyLines);
    connect(copyLines, &QAction::triggered, this, &OutputWindow::copySelectedLines);

    lblPorts_ = named(new QLabel(this), "lblPorts");
    // A port's line may quote a path, which must not be read as markup.
    lblPorts_->setTextFormat(Qt::PlainText);
    lblPorts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPorts_->setWordWrap(true);
    lblPorts_->hide();

    auto* input = new QLabel(QStringLiteral("&Input:"), this);
    txtInput_ = named(new QLineEdit(this), "txtInput");
    input->setBuddy(txtInput_);
    connect(txtInput_, &QLineEdit::returnPressed, this, &OutputWindow::sendInput);
    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(input);
    inputRow->addWidget(txtInput_);

    lblOutcome_ = named(new QLabel(this), "lblOutcome");
    lblElapsed_ = named(new QLabel(this), "lblElapsed");
    cmdStop_ = named(new QPushButton(QStringLiteral("&Stop"), this), "cmdStop");
    auto* copy = named(new QPushButton(QStringLiteral("&Copy Log"), this), "cmdCopyLog");
    auto* save = named(new QPushButton(QStringLiteral("&Save Log…"), this), "cmdSaveLog");
    auto* close = named(new QPushButton(QStringLiteral("&Close"), this), "cmdClose");
    connect(cmdStop_, &QPushButton::clicked, run_, &ToolRun::stop);
    connect(cmdStop_, &QPushButton::clicked, this, &OutputWindow::showState);
    connect(copy, &QPushButton::clicked, this, &OutputWindow::copyLog);
    connect(save, &QPushButton::clicked, this, &OutputWindow::saveLog);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(lblOutcome_);
    buttonRow->addWidget(lblElapsed_);
    buttonRow->addStretch();
    for (QPushButton* button : {cmdStop_, copy, save, close}) {
        buttonRow->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtCommand_);
    layout->addWidget(lstOutput_, 1);
    layout->addWidget(lblPorts_);
    layout->addLayout(inputRow);
    layout->addLayout(buttonRow);
    resize(720, 480);
    txtInput_->setFocus();
}

void OutputWindow::stopAndClose() {
    closeWhenEnded_ = true;
    if (run_->isRunning()) {
        run_->stop();
        showState();
    } else {
        close();
    }
}

// A reader who has scrolled up to read stays where they are, also when the
// oldest rows give way to new ones.
void OutputWindow::showOutput() {
    QScrollBar* bar = lstOutput_->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    const int dropped = model_->catchUp();
    if (following) {
        lstOutput_->scrollToBottom();
    } else {
        bar->setValue(bar->value() - dropped);
    }
}

void OutputWindow::showState() {
    const bool running = run_->isRunning();
    lblElapsed_->setText(QStringLiteral("Elapsed ") +
                         fromUtf8(output::elapsedText(run_->elapsedSeconds())));
    lblOutcome_->setText(running && run_->stopAsked()
                             ? QStringLiteral("Stopping…")
                             : fromUtf8(output::outcomeText(run_->outcome())));
    cmdStop_->setEnabled(running && !run_->stopAsked());
    txtInput_->setEnabled(running);
}

void OutputWindow::runEnded() {
    clock_.stop();
    if (output::ranAndFailed(run_->outcome())) {
        ports_ = platform::parallelPortLines(portSource_);
        QStringList lines{fromUtf8(std::string(output::kPortsHeading))};
        for (const std::string& port : ports_) {
            lines << fromUtf8(port);
        }
        lblPorts_->setText(lines.join(QLatin1Char('\n')));
        lblPorts_->show();
    }
    showState();
    // The task bar entry flashes, or the window asks for attention, when
    // the user is busy elsewhere.
    if (QApplication::activeWindow() == nullptr) {
        QApplication::alert(this);
    }
    if (closeWhenEnded_) {
        close();
    }
}

void OutputWindow::sendInput() {
    run_->send(txtInput_->text());
    txtInput_->clear();
}

QString OutputWindow::logText() const {
    const QString output = outputText(run_->output().text());
    const output::LogFacts facts{
        commandLine_.toStdString(), run_->startedAt().toString(kTimeFormat).toStdString(),
        run_->isRunning() ? std::string() : run_->endedAt().toString(kTimeFormat).toStdString(),
        run_->outcome(), ports_};
    return fromUtf8(output::logText(facts, output.toStdString()));
}

void OutputWindow::copySelectedLines() {
    QModelIndexList rows = lstOutput_->selectionModel()->selectedIndexes();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (const QModelIndex& row : rows) {
        lines << row.data().toString();
    }
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void OutputWindow::copyLog() { QGuiApplication::clipboard()->setText(logText()); }

void OutputWindow::saveLog() {
    const QString proposed = QDir::current().filePath(
        QStringLiteral("cartpipe-%1.txt").arg(run_->startedAt().toString("yyyyMMdd-HHmmss")));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Log"), proposed,
                                                      QStringLiteral("Text files (*.txt)"));
    if (path.isEmpty()) {
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(logText().toUtf8()) < 0 ||
        !file.commit()) {
        showMessage(this, QStringLiteral("The log could not be saved: ") + file.errorString());
    }
}

void OutputWindow::closeEvent(QCloseEvent* event) {
    if (!run_->isRunning()) {
        event->accept();
        return;
    }
    event->ignore();
    if (closeWhenEnded_) {
        return;
    }
    const QString stop = QStringLiteral("&Stop and Close");
    if (askChoice(this,
                  fromUtf8(std::string(command::kToolName)) +
                      QStringLiteral(" is still running. Stop it and close its window?"),
                  {stop, QStringLiteral("Cancel")}) == stop) {
        stopAndClose();
    }
}

void OutputWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace quillon::ui
