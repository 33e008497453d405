#include "app/copy_command.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "app/text_conversion.h"
#include "platform/copy_line.h"
#include "ui/message_box.h"

namespace quillon::app {

CommandCopier::CommandCopier(QLabel* preview, QPushButton* action, Compose compose)
    : QObject(preview),
      preview_(preview),
      action_(action),
      copyAction_(new QAction(QStringLiteral("Copy Command"), preview)),
      compose_(std::move(compose)) {
    copyAction_->setShortcut(QKeySequence::Copy);
    copyAction_->setShortcutContext(Qt::WidgetShortcut);
    copyAction_->setEnabled(action->isEnabled());
    connect(copyAction_, &QAction::triggered, this, &CommandCopier::copy);
    preview->addAction(copyAction_);
    // A menu of its own in place of the label's Copy and Select All, which
    // would copy the preview's text rather than a line the shell can run.
    preview->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(preview, &QWidget::customContextMenuRequested, this, &CommandCopier::showMenu);
    preview->setFocusPolicy(Qt::ClickFocus);
    // The button is enabled and disabled from many places; its own event
    // tells of each.
    action->installEventFilter(this);
}

bool CommandCopier::eventFilter(QObject* watched, QEvent* event) {
    if (watched == action_ && event->type() == QEvent::EnabledChange) {
        copyAction_->setEnabled(action_->isEnabled());
    }
    return QObject::eventFilter(watched, event);
}

void CommandCopier::showMenu(const QPoint& where) {
    auto* menu = new QMenu(preview_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The preview's other items follow, in the order they were added.
    menu->addActions(preview_->actions());
    menu->popup(preview_->mapToGlobal(where));
}

void CommandCopier::copy() {
    const RunnableCommand run = compose_();
    if (!run.blocked.empty()) {
        tellIfAny(preview_, run.blocked);
        return;
    }
    const platform::CopyLine copied = platform::copyLine(run.command);
    if (!copied.refusal.empty()) {
        tellIfAny(preview_, copied.refusal);
        return;
    }
    QGuiApplication::clipboard()->setText(fromUtf8(copied.line));
}

}  // namespace quillon::app
