#pragma once

#include "db/ProgressReporter.h"

#include <QMutex>
#include <QString>
#include <atomic>
#include <functional>

namespace ui {

// How far long work on a worker thread has got, and the stop the window asks of it. The worker
// writes here as often as it likes, at the cost of a lock; the window reads it on a timer, so
// the screen follows on a time budget and never once a line.
class WorkProgress final : public db::ProgressReporter {
public:
    struct State {
        QString status;
        int firstStep = 0;
        int lastStep = 0;
        int step = 0;
    };

    // The worker's side.
    void ShowProgress(const QString& status, int firstStep, int lastStep) override;
    // The status, one step further.
    void ProgressStep(const QString& status) override;
    void CloseProgress() override {}
    // The status alone: the title of the line being read.
    void setStatus(const QString& status);
    void setStep(int step);
    // Cancel, or the program ending.
    bool stopRequested() const override;

    // While it lives, a stop also interrupts what the worker waits for (a long read).
    class Interruptible {
    public:
        Interruptible(WorkProgress& progress, std::function<void()> interrupt);
        ~Interruptible();
        Interruptible(const Interruptible&) = delete;
        Interruptible& operator=(const Interruptible&) = delete;

    private:
        WorkProgress& progress_;
    };

    // The window's side.
    void requestStop();
    State state() const;

private:
    mutable QMutex mutex_;
    State state_;
    std::function<void()> interrupt_;
    std::atomic<bool> stop_ = false;
};

}  // namespace ui
