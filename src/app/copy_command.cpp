#include "app/copy_command.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

#include "app/preview_menu.h"
#include "app/text_conversion.h"
#include "platform/copy_line.h"

namespace quillon::app {

CommandCopier::CommandCopier(PreviewMenu& menu, QLabel* preview, Compose compose)
    : QObject(preview), preview_(preview), compose_(std::move(compose)) {
    auto* copyAction = new QAction(QStringLiteral("Copy Command"), preview);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    connect(copyAction, &QAction::triggered, this, &CommandCopier::copy);
    // On the label too, for the shortcut; the menu only lists it.
    preview->addAction(copyAction);
    menu.add(copyAction, true);
    preview->setFocusPolicy(Qt::ClickFocus);
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
