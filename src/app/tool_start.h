#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "command/transfer_command.h"
#include "platform/launcher.h"

class QWidget;

namespace quillon::app {

// A page's start of its tool, watched to its outcome while the window goes
// on: the launcher answers only when asked, so a timer asks. A refusal or a
// failed start is told in a box over the page; a start that worked is told
// by the tool's own window.
class ToolStart : public QObject {
public:
    ToolStart(platform::ToolLauncher& launcher, QWidget* page, QObject* parent);

    // Starts nothing while an earlier start is still watched: the user
    // cannot know yet whether that one began, and the tool must not run
    // twice for what was meant as one start.
    void start(const command::TransferCommand& command);

private:
    void check();

    platform::ToolLauncher& launcher_;
    QWidget* page_;
    std::unique_ptr<platform::PendingLaunch> pending_;
    QTimer poller_;
};

}  // namespace quillon::app
