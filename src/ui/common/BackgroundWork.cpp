#include "ui/common/BackgroundWork.h"

#include "ui/common/ProgressWindow.h"
#include "ui/common/StepBar.h"

#include <QLabel>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace ui {

namespace {

// Often enough for the bar to move smoothly, rarely enough to cost the worker nothing.
constexpr int FollowInterval = 50;  // milliseconds

}  // namespace

BackgroundWork::BackgroundWork(QWidget* parent, const QString& status, Finished finished)
    : QObject(parent),
      finished_(std::move(finished)),
      window_(new ProgressWindow(parent, [this] { progress_.requestStop(); })),
      timer_(new QTimer(this)) {
    window_->setWindowModality(Qt::NonModal);
    window_->showCancelButton(true);
    window_->status().setText(status);
    window_->show();
    timer_->setInterval(FollowInterval);
    connect(timer_, &QTimer::timeout, this, &BackgroundWork::follow);
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &BackgroundWork::end);
}

BackgroundWork* BackgroundWork::start(QWidget* parent, const QString& status, Work work,
                                      Finished finished) {
    auto* run = new BackgroundWork(parent, status, std::move(finished));
    run->timer_->start();
    run->watcher_.setFuture(QtConcurrent::run([run, work = std::move(work)] {
        try {
            work(run->progress_);
        } catch (...) {
            run->failure_ = std::current_exception();
        }
    }));
    return run;
}

BackgroundWork::~BackgroundWork() {
    if (watcher_.isRunning()) {
        progress_.requestStop();
        watcher_.waitForFinished();
    }
    delete window_.data();
}

void BackgroundWork::follow() {
    if (!window_)
        return;
    const WorkProgress::State state = progress_.state();
    // A title of megabytes is no status line.
    constexpr int StatusLength = 200;
    QLabel& status = window_->status();
    status.setText(status.fontMetrics().elidedText(state.status.left(StatusLength), Qt::ElideRight,
                                                   status.width()));
    StepBar& bar = window_->bar();
    if (state.lastStep >= state.firstStep && state.lastStep > 0) {
        if (bar.minimum() != state.firstStep || bar.maximum() != state.lastStep)
            bar.setRange(state.firstStep, state.lastStep);
        bar.SetProgress(state.step);
    }
}

void BackgroundWork::end() {
    timer_->stop();
    if (window_) {
        window_->StopProgress();
        window_->deleteLater();
    }
    work_.reset();  // the conflicting commands are back before any message is shown
    if (finished_) {
        try {
            finished_(failure_);
        } catch (...) {
            // No exception crosses the event loop; finished reports its own failures.
        }
    }
    emit ended();
    deleteLater();
}

}  // namespace ui
