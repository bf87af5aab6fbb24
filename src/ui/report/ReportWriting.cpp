#include "ui/report/ReportWriting.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "report/Report.h"
#include "report/RunReport.h"
#include "report/SpoolWriter.h"
#include "ui/report/PrintingWindow.h"

#include <QFile>
#include <QScopeGuard>

namespace ui {

void WorkerReportProgress::ShowProgress(const QString&, const QString& pageText, bool) {
    progress_.ShowProgress(pageText, 0, 100);
}

std::optional<QString> WriteReportOnWorker(
    report::SpoolWriter& writer, db::Connection& connection, WorkProgress& progress,
    const std::function<std::unique_ptr<report::Report>(report::SpoolWriter&, db::Connection&)>&
        make) {
    WorkerReportProgress reporter(progress);
    writer.setProgress(&reporter);
    const auto detach = qScopeGuard([&writer] { writer.setProgress(nullptr); });
    const WorkProgress::Interruptible interruptible(progress,
                                                    [&connection] { connection.interrupt(); });
    try {
        const std::unique_ptr<report::Report> made = make(writer, connection);
        const std::optional<QString> file = report::RunReport(*made, writer);
        // An interrupted read may end like the last row: what was written is not the report.
        if (file && progress.stopRequested()) {
            QFile::remove(*file);
            return std::nullopt;
        }
        return file;
    } catch (const db::DatabaseError&) {
        if (progress.stopRequested())
            return std::nullopt;  // interrupted by Cancel; the spool file is gone with it
        throw;
    }
}

bool PrintingView::follow(const WorkProgress::State& state) {
    if (!window_)
        return true;
    if (state.status.isEmpty())
        return window_->cancelRequested();
    if (!shown_) {
        shown_ = true;
        window_->ShowProgress(caption_, state.status, showPercent_);
    }
    window_->ShowPage(state.status);
    if (showPercent_)
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
