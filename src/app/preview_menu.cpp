#include "app/preview_menu.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace quillon::app {

PreviewMenu::PreviewMenu(QLabel* preview, QPushButton* action)
    : QObject(preview), preview_(preview), action_(action) {
    preview->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(preview, &QWidget::customContextMenuRequested, this, &PreviewMenu::showMenu);
    // The button is enabled and disabled from many places; its own event
    // tells of each.
    action->installEventFilter(this);
}

void PreviewMenu::add(QAction* item, bool followsButton) {
    items_ << item;
    if (followsButton) {
        following_ << item;
        item->setEnabled(action_->isEnabled());
    }
}

void PreviewMenu::addSeparator() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    items_ << separator;
}

bool PreviewMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == action_ && event->type() == QEvent::EnabledChange) {
        for (QAction* item : following_) {
            item->setEnabled(action_->isEnabled());
        }
    }
    return QObject::eventFilter(watched, event);
}

void PreviewMenu::showMenu(const QPoint& where) {
    auto* menu = new QMenu(preview_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(items_);
    menu->popup(preview_->mapToGlobal(where));
}

}  // namespace quillon::app
