#include "app/tool_start.h"

#include <QWidget>

#include "app/page_actions.h"
#include "app/text_conversion.h"
#include "ui/message_box.h"

namespace quillon::app {

namespace {

// How often a start is asked how it goes: often enough that an outcome
// comes with no delay a user notices, seldom enough to cost nothing.
constexpr int kPollMilliseconds = 20;

}  // namespace

ToolStart::ToolStart(platform::ToolLauncher& launcher, QWidget* page, QObject* parent)
    : QObject(parent), launcher_(launcher), page_(page) {
    poller_.setInterval(kPollMilliseconds);
    connect(&poller_, &QTimer::timeout, this, &ToolStart::check);
}

void ToolStart::start(const command::TransferCommand& command, std::function<void()> runHere) {
    if (pending_) {
        return;
    }
    runHere_ = std::move(runHere);
    pending_ = launcher_.start(command);
    // Asked at once: a refusal is known before anything was started.
    check();
    if (pending_) {
        poller_.start();
    }
}

// The watch ends before a box is shown: the box waits for the user, and the
// button is free again by the time it closes.
void ToolStart::check() {
    const std::optional<platform::LaunchOutcome> outcome = pending_->poll();
    if (!outcome) {
        return;
    }
    poller_.stop();
    pending_.reset();
    const QString reason = fromUtf8(outcome->reason);
    if (outcome->status == platform::LaunchOutcome::Status::Refused) {
        ui::showMessage(page_->window(), reason);
    } else if (outcome->status == platform::LaunchOutcome::Status::NotStarted) {
        const QString here = QString::fromLatin1(kRunHereCaption);
        const std::function<void()> runHere = std::move(runHere_);
        if (ui::askChoice(page_->window(), reason, {here, QStringLiteral("OK")}) == here) {
            runHere();
        }
    }
}

}  // namespace quillon::app
