#pragma once

#include "report/PrintingProgress.h"
#include "ui/common/WorkWindow.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

namespace db {
class Connection;
}
namespace report {
class Report;
class SpoolWriter;
}  // namespace report

namespace ui {

class PrintingWindow;

// A report written on the worker tells its progress here, in place of frmPrinting: the page it
// is on and how far down, and the Cancel it hears.
class WorkerReportProgress final : public report::PrintingProgress {
public:
    explicit WorkerReportProgress(WorkProgress& progress) : progress_(progress) {}
    void ShowProgress(const QString& caption, const QString& pageText, bool showPercent) override;
    void ShowPage(const QString& pageText) override { progress_.setStatus(pageText); }
    void ShowPercent(int percent) override { progress_.setStep(percent); }
    void LetEventsRun() override {}
    bool cancelRequested() const override { return progress_.stopRequested(); }
    void CloseProgress() override {}

private:
    WorkProgress& progress_;
};

// Writes the report that make builds, reporting to progress; the spool file, or nothing when it
// was cancelled. Cancel interrupts the catalogue's read too, so a report still sorting its rows
// stops at once.
std::optional<QString> WriteReportOnWorker(
    report::SpoolWriter& writer, db::Connection& connection, WorkProgress& progress,
    const std::function<std::unique_ptr<report::Report>(report::SpoolWriter&, db::Connection&)>&
        make);

// frmPrinting on the window's thread, following the report written, printed or written as PDF
// on the worker. Printing shows the page it is on, without a percentage.
class PrintingView final : public WorkWindow {
public:
    explicit PrintingView(PrintingWindow* window,
                          QString caption = QStringLiteral("Building Report"),
                          bool showPercent = true)
        : window_(window), caption_(std::move(caption)), showPercent_(showPercent) {}
    bool follow(const WorkProgress::State& state) override;
    void finish() override;

private:
    QPointer<PrintingWindow> window_;
    QString caption_;
    bool showPercent_;
    bool shown_ = false;
};

}  // namespace ui
