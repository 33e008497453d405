#include "ui/background_task.h"

#include <QThread>
#include <utility>

namespace quillon::ui {

// The thread object lives on the window's thread, so its finished signal
// reaches `done` there, queued after everything the work wrote.
BackgroundTask::BackgroundTask(Work work, std::function<void()> done, QObject* parent)
    : QObject(parent),
      work_(std::move(work)),
      done_(std::move(done)),
      thread_(QThread::create([this] { work_(stop_); })) {
    connect(thread_, &QThread::finished, this, [this] {
        running_ = false;
        done_();
    });
    thread_->start();
}

BackgroundTask::~BackgroundTask() {
    stop_ = true;
    thread_->wait();
    delete thread_;
}

}  // namespace quillon::ui
