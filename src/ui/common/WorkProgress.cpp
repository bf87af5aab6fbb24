#include "ui/common/WorkProgress.h"

#include "ui/common/LongWork.h"

namespace ui {

void WorkProgress::ShowProgress(const QString& status, int firstStep, int lastStep) {
    const QMutexLocker lock(&mutex_);
    state_ = {status, firstStep, lastStep, firstStep - 1};
}

void WorkProgress::ProgressStep(const QString& status) {
    const QMutexLocker lock(&mutex_);
    state_.status = status;
    if (state_.step < state_.lastStep)
        ++state_.step;
}

void WorkProgress::setStatus(const QString& status) {
    const QMutexLocker lock(&mutex_);
    state_.status = status;
}

void WorkProgress::setStep(int step) {
    const QMutexLocker lock(&mutex_);
    state_.step = step;
}

bool WorkProgress::stopRequested() const {
    return stop_ || LongWork::stopRequested();
}

void WorkProgress::requestStop() {
    stop_ = true;
    const QMutexLocker lock(&mutex_);
    if (interrupt_)
        interrupt_();
}

WorkProgress::Interruptible::Interruptible(WorkProgress& progress, std::function<void()> interrupt)
    : progress_(progress) {
    const QMutexLocker lock(&progress_.mutex_);
    progress_.interrupt_ = std::move(interrupt);
}

WorkProgress::Interruptible::~Interruptible() {
    const QMutexLocker lock(&progress_.mutex_);
    progress_.interrupt_ = nullptr;
}

WorkProgress::State WorkProgress::state() const {
    const QMutexLocker lock(&mutex_);
    return state_;
}

}  // namespace ui
