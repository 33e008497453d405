#pragma once

#include <QObject>
#include <functional>

#include "app/page_actions.h"

class QAction;
class QLabel;

namespace quillon::app {

class PreviewMenu;

// "Copy Command" on a page's preview: in its context menu, and Ctrl+C while
// it has the focus (a click gives it the focus; the keyboard order is left
// alone). It copies the line that, pasted into this system's shell, runs the
// command the page's action button would start, composed by `compose` just
// then. The menu offers it while the button is enabled.
class CommandCopier : public QObject {
public:
    using Compose = std::function<RunnableCommand()>;

    CommandCopier(PreviewMenu& menu, QLabel* preview, Compose compose);

private:
    void copy();

    QLabel* preview_;
    Compose compose_;
};

}  // namespace quillon::app
