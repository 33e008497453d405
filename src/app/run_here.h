#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>

#include "app/page_actions.h"

class QAction;
class QWidget;

namespace quillon::settings {
class SettingsStore;
}
namespace quillon::ui {
class OutputWindow;
}

namespace quillon::app {

class PreviewMenu;
class ToolStart;

// What a page hands over to be started.
struct PageRun {
    RunnableCommand runnable;  // as the page's action button would start it
    QString action;            // the button's caption without its access key
    QString product;           // the file the tool writes (a dump's), or empty
};

// Running the tool inside Quillon, beside the start in a terminal: "Run
// Here" and "Always Run Here" in the previews' menus, the action buttons'
// start when the user always wants it here, the offer of a run here when no
// terminal can be started, one run at a time, and the question before
// Quillon closes while a run goes on. Each run gets an output window.
class RunHere : public QObject {
    Q_OBJECT
public:
    RunHere(settings::SettingsStore& store, std::string portSource, QWidget* window);

    // Adds "&Run Here" (running what `compose` gives) and "Always Run &Here"
    // to a page's preview menu.
    void addTo(PreviewMenu& menu, std::function<PageRun()> compose);

    // What a page's action button does: a run here when the user always
    // wants that, else a start in a terminal through the page's `terminal`,
    // which offers a run here when no terminal can be started.
    void startFromButton(const PageRun& run, ToolStart& terminal, QWidget* page);

    // Starts `run` in an output window of its own, unless another run here
    // still goes on, which is said instead; a command the button would not
    // start is refused with the button's reason.
    void start(const PageRun& run, QWidget* page);

    // Whether Quillon may close now: yes when no run goes on, and then every
    // output window is closed. Otherwise the user is asked; on "Stop and
    // Quit" the run is stopped and `closeAgain` is called once it has ended.
    bool mayClose(const std::function<void()>& closeAgain);

signals:
    // A run here that writes a file (a dump) finished with status 0: the
    // file is there to be checked.
    void fileWritten(const QString& path);

private:
    void alwaysToggled(bool on);

    settings::SettingsStore& store_;
    std::string portSource_;
    QWidget* window_;
    QAction* always_;
    QList<QPointer<ui::OutputWindow>> windows_;
    QPointer<ui::OutputWindow> running_;
    bool quitting_ = false;
};

}  // namespace quillon::app
