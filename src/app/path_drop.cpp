#include "app/path_drop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "ui/system_path.h"

namespace quillon::app {

namespace {

// The file is only looked at, never taken: a move offered by the file
// manager would have it delete the user's file once dropped.
std::optional<Qt::DropAction> lookingAction(Qt::DropActions offered) {
    for (const Qt::DropAction action : {Qt::CopyAction, Qt::LinkAction}) {
        if (offered.testFlag(action)) {
            return action;
        }
    }
    return std::nullopt;
}

}  // namespace

PathDrop::PathDrop(QWidget* page, Wanted wanted, Take take)
    : QObject(page), wanted_(std::move(wanted)), take_(std::move(take)) {
    // The page's text boxes take drops themselves, and a path would land in
    // them as text; they hand links to the page instead.
    page->setAcceptDrops(true);
    page->installEventFilter(this);
    for (QWidget* control : page->findChildren<QWidget*>()) {
        if (control->acceptDrops()) {
            control->installEventFilter(this);
        }
    }
}

bool PathDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls()) {
        return QObject::eventFilter(watched, event);
    }
    // Asked again on the drop: the file may have gone while it was dragged.
    const std::optional<QString> path = wantedPath(drop->mimeData());
    const std::optional<Qt::DropAction> action = lookingAction(drop->possibleActions());
    if (!path || !action) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(*action);
    drop->accept();
    if (type == QEvent::Drop) {
        take_(*path);
    }
    return true;
}

std::optional<QString> PathDrop::wantedPath(const QMimeData* data) const {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1) {
        return std::nullopt;
    }
    // The path as the system opens it: a path through a link and ".." names
    // another folder than its text does.
    std::optional<QString> path = ui::systemPath(urls.front());
    if (!path || !wanted_(QFileInfo(*path))) {
        return std::nullopt;
    }
    return path;
}

}  // namespace quillon::app
