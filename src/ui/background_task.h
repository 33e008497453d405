#pragma once

#include <QObject>
#include <atomic>
#include <functional>

class QThread;

namespace quillon::ui {

// A piece of work that would keep the window from answering for as long as a
// big file takes to read: it runs on a thread of its own, and `done` runs
// back on the window's thread once it has returned. The work looks at `stop`
// between slices: the task's owner may go before the work is finished, and
// then waits only for the slice under way.
class BackgroundTask : public QObject {
    Q_OBJECT
public:
    using Work = std::function<void(const std::atomic<bool>& stop)>;

    BackgroundTask(Work work, std::function<void()> done, QObject* parent);
    ~BackgroundTask() override;

    bool running() const { return running_; }

private:
    Work work_;
    std::function<void()> done_;
    std::atomic<bool> stop_ = false;
    bool running_ = true;
    QThread* thread_;
};

}  // namespace quillon::ui
