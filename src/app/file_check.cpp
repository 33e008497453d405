#include "app/file_check.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>

#include "app/preview_menu.h"
#include "ui/check_view.h"

namespace quillon::app {

ui::CheckView* openFileCheck(QWidget* over, settings::SettingsStore& store, const QString& path) {
    auto* view = new ui::CheckView(path, store, over->window());
    view->show();
    view->raise();
    view->activateWindow();
    return view;
}

FileCheckItem::FileCheckItem(PreviewMenu& menu, QLabel* preview, settings::SettingsStore& store,
                             File file)
    : QObject(preview),
      preview_(preview),
      store_(store),
      file_(std::move(file)),
      checkAction_(new QAction(QStringLiteral("Chec&k File…"), preview)) {
    checkAction_->setEnabled(false);
    connect(checkAction_, &QAction::triggered, this, &FileCheckItem::check);
    // Set apart from the items that act on the command: this one acts on a
    // file.
    menu.addSeparator();
    menu.add(checkAction_, false);
    // Before the preview turns the request into its menu.
    preview->installEventFilter(this);
}

bool FileCheckItem::eventFilter(QObject* watched, QEvent* event) {
    if (watched == preview_ && event->type() == QEvent::ContextMenu) {
        checkAction_->setEnabled(QFileInfo(file_()).isFile());
    }
    return QObject::eventFilter(watched, event);
}

// The file is named again: it may have changed since the menu opened.
void FileCheckItem::check() {
    const QString file = file_();
    if (QFileInfo(file).isFile()) {
        openFileCheck(preview_, store_, file);
    }
}

}  // namespace quillon::app
