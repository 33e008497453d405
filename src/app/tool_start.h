#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "command/transfer_command.h"
#include "platform/launcher.h"

class QWidget;

namespace quillon::app {

// A page's start of its tool, watched to its outcome while the window goes
// on: the launcher answers only when asked, so a timer asks. A refusal or a
// failed start is told in a box over the page, the failed start offering to
// run the tool inside the window instead; a start that worked is told by the
// tool's own window.
class ToolStart : public QObject {
public:
    ToolStart(platform::ToolLauncher& launcher, QWidget* page, QObject* parent);

    // Starts nothing while an earlier start is still watched: the user
    // cannot know yet whether that one began, and the tool must not run
    // twice for what was meant as one start.
    // `runHere` is called when the user takes that offer.
    void start(const command::TransferCommand& command, std::function<void()> runHere);

private:
    void check();

    platform::ToolLauncher& launcher_;
    QWidget* page_;
    std::unique_ptr<platform::PendingLaunch> pending_;
    std::function<void()> runHere_;
    QTimer poller_;
};

}  // namespace quillon::app
