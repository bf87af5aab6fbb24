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

// The progress window, following the work's status and steps.
class ProgressView final : public WorkWindow {
public:
    explicit ProgressView(ProgressWindow* window) : window_(window) {}
    bool follow(const WorkProgress::State& state) override {
        if (!window_)
            return false;
        // Work that says nothing keeps the status it started with. A title of megabytes is no
        // status line.
        constexpr int StatusLength = 200;
        QLabel& status = window_->status();
        if (!state.status.isEmpty())
            status.setText(status.fontMetrics().elidedText(state.status.left(StatusLength),
                                                           Qt::ElideRight, status.width()));
        StepBar& bar = window_->bar();
        if (state.lastStep >= state.firstStep && state.lastStep > 0) {
            if (bar.minimum() != state.firstStep || bar.maximum() != state.lastStep)
                bar.setRange(state.firstStep, state.lastStep);
            bar.SetProgress(state.step);
        }
        return false;  // its Cancel raises the stop flag itself
    }
    void finish() override {
        if (!window_)
            return;
        window_->StopProgress();
        window_->deleteLater();
    }

private:
    QPointer<ProgressWindow> window_;
};

}  // namespace

BackgroundWork::BackgroundWork(QWidget* parent, std::unique_ptr<WorkWindow> window,
                               Finished finished)
    : QObject(parent),
      finished_(std::move(finished)),
      view_(std::move(window)),
      timer_(new QTimer(this)) {
    timer_->setInterval(FollowInterval);
    connect(timer_, &QTimer::timeout, this, &BackgroundWork::follow);
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &BackgroundWork::end);
}

BackgroundWork* BackgroundWork::start(QWidget* parent, const QString& status, Work work,
                                      Finished finished) {
    auto* window = new ProgressWindow(parent, nullptr);
    auto* run =
        new BackgroundWork(parent, std::make_unique<ProgressView>(window), std::move(finished));
    run->window_ = window;
    window->setCancel([run] { run->progress_.requestStop(); });
    window->setWindowModality(Qt::NonModal);
    window->showCancelButton(true);
    window->status().setText(status);
    window->show();
    run->run(std::move(work));
    return run;
}

BackgroundWork* BackgroundWork::start(QWidget* parent, std::unique_ptr<WorkWindow> window,
                                      Work work, Finished finished) {
    auto* run = new BackgroundWork(parent, std::move(window), std::move(finished));
    run->run(std::move(work));
    return run;
}

void BackgroundWork::run(Work work) {
    timer_->start();
    watcher_.setFuture(QtConcurrent::run([this, work = std::move(work)] {
        try {
            work(progress_);
        } catch (...) {
            failure_ = std::current_exception();
        }
    }));
}

BackgroundWork::~BackgroundWork() {
    if (watcher_.isRunning()) {
        progress_.requestStop();
        watcher_.waitForFinished();
    }
    delete window_.data();
}

void BackgroundWork::follow() {
    if (view_ && view_->follow(progress_.state()))
        progress_.requestStop();
}

void BackgroundWork::end() {
    timer_->stop();
    if (view_)
        view_->finish();
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
