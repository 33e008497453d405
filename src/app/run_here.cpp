#include "app/run_here.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#include "app/preview_menu.h"
#include "app/text_conversion.h"
#include "app/tool_start.h"
#include "command/transfer_command.h"
#include "output/run_report.h"
#include "platform/copy_line.h"
#include "platform/tool_process.h"
#include "settings/page_settings.h"
#include "ui/message_box.h"
#include "ui/output_window.h"
#include "ui/tool_run.h"

namespace quillon::app {

namespace {

QString toolName() { return fromUtf8(command::kToolName); }

}  // namespace

RunHere::RunHere(settings::SettingsStore& store, std::string portSource, QWidget* window)
    : QObject(window),
      store_(store),
      portSource_(std::move(portSource)),
      window_(window),
      always_(new QAction(QStringLiteral("Always Run &Here"), window)) {
    always_->setObjectName(QStringLiteral("mnuAlwaysRunHere"));
    always_->setCheckable(true);
    // Before the connection: reading the choice back is no change to save.
    always_->setChecked(settings::loadRun(store_).alwaysRunHere);
    connect(always_, &QAction::toggled, this, &RunHere::alwaysToggled);
}

void RunHere::addTo(PreviewMenu& menu, std::function<PageRun()> compose) {
    auto* runHere = new QAction(QString::fromLatin1(kRunHereCaption), this);
    connect(runHere, &QAction::triggered, this,
            [this, compose = std::move(compose)] { start(compose(), window_); });
    menu.add(runHere, true);
    menu.addSeparator();
    menu.add(always_, false);
}

void RunHere::startFromButton(const PageRun& run, ToolStart& terminal, QWidget* page) {
    if (always_->isChecked() || !run.runnable.blocked.empty()) {
        start(run, page);  // which tells why a blocked command does not start
        return;
    }
    terminal.start(run.runnable.command, [this, run, page] { start(run, page); });
}

void RunHere::start(const PageRun& run, QWidget* page) {
    if (!run.runnable.blocked.empty()) {
        tellIfAny(page, run.runnable.blocked);
        return;
    }
    if (running_ && running_->run().isRunning()) {
        ui::showMessage(page->window(),
                        toolName() + QStringLiteral(" is still running in its window. Stop it or "
                                                    "wait until it has ended, then run it again."));
        running_->raise();
        running_->activateWindow();
        return;
    }
    platform::ToolProcess process = platform::toolProcess(run.runnable.command);
    if (!process.refusal.empty()) {
        tellIfAny(page, process.refusal);
        return;
    }
    const QString commandLine = fromUtf8(platform::copyLine(run.runnable.command).line);
    auto* toolRun = new ui::ToolRun(std::move(process));
    auto* output = new ui::OutputWindow(toolRun, run.action, commandLine, portSource_, window_);
    // Resolved now: the tool writes it relative to the folder it starts in.
    const QString product =
        run.product.isEmpty() ? QString() : QFileInfo(run.product).absoluteFilePath();
    connect(toolRun, &ui::ToolRun::ended, this, [this, toolRun, product] {
        if (!product.isEmpty() && toolRun->outcome().kind == output::Outcome::Kind::Finished) {
            emit fileWritten(product);
        }
    });
    windows_.removeAll(nullptr);  // those closed since
    windows_ << output;
    running_ = output;
    output->show();
    toolRun->start();
}

bool RunHere::mayClose(const std::function<void()>& closeAgain) {
    if (running_ && running_->run().isRunning()) {
        if (quitting_) {
            return false;
        }
        const QString stop = QStringLiteral("&Stop and Quit");
        if (ui::askChoice(window_,
                          toolName() + QStringLiteral(" is still running. Stop it and quit?"),
                          {stop, QStringLiteral("Cancel")}) != stop) {
            return false;
        }
        quitting_ = true;
        connect(&running_->run(), &ui::ToolRun::ended, this, closeAgain, Qt::QueuedConnection);
        running_->run().stop();
        return false;
    }
    for (const QPointer<ui::OutputWindow>& output : windows_) {
        if (output) {
            output->close();
        }
    }
    return true;
}

void RunHere::alwaysToggled(bool on) {
    tellIfAny(window_, settings::saveRun(store_, {.alwaysRunHere = on}));
}

}  // namespace quillon::app
