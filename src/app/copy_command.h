#pragma once

#include <QObject>
#include <functional>

#include "app/page_actions.h"

class QAction;
class QLabel;
class QPoint;
class QPushButton;

namespace quillon::app {

// "Copy Command" on a page's preview: in its context menu, and Ctrl+C while
// it has the focus (a click gives it the focus; the keyboard order is left
// alone). It copies the line that, pasted into this system's shell, runs the
// command the page's action button would start, composed by `compose` just
// then. It is offered while the button is enabled: a command the button
// would not start is not worth pasting either.
class CommandCopier : public QObject {
public:
    using Compose = std::function<RunnableCommand()>;

    CommandCopier(QLabel* preview, QPushButton* action, Compose compose);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMenu(const QPoint& where);
    void copy();

    QLabel* preview_;
    QPushButton* action_;
    QAction* copyAction_;
    Compose compose_;
};

}  // namespace quillon::app
