#include "ui/report/ReportWriting.h"

#include "ui/report/PrintingWindow.h"

#include <QLabel>

namespace ui {

void WorkerReportProgress::ShowProgress(const QString&, const QString& pageText, bool) {
    progress_.ShowProgress(pageText, 0, 100);
}

bool PrintingView::follow(const WorkProgress::State& state) {
    if (!window_)
        return true;
    if (state.status.isEmpty())
        return window_->cancelRequested();
    if (!shown_) {
        shown_ = true;
        window_->ShowProgress(QStringLiteral("Building Report"), state.status, true);
    }
    window_->ShowPage(state.status);
    window_->ShowPercent(state.step);
    return window_->cancelRequested();
}

void PrintingView::finish() {
    if (window_) {
        window_->CloseProgress();
        window_->deleteLater();
    }
}

}  // namespace ui
