#pragma once

#include "report/PrintingProgress.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {

// frmPrinting: shows how far a report is written or printed, beside the main window, which
// stays usable; Cancel stops the work at its next line or page.
class PrintingWindow final : public QDialog, public report::PrintingProgress {
    Q_OBJECT
public:
    explicit PrintingWindow(QWidget* parent);

    void ShowProgress(const QString& caption, const QString& pageText, bool showPercent) override;
    void ShowPage(const QString& pageText) override;
    void ShowPercent(int percent) override;
    void LetEventsRun() override;
    bool cancelRequested() const override { return cancelRequested_; }
    void CloseProgress() override;

    QLabel* lblPct;
    QLabel* lblPrint;
    QPushButton* cmdCancel;

protected:
    // Closing the window is a Cancel.
    void reject() override;

private:
    void cancel();

    bool cancelRequested_ = false;
};

}  // namespace ui
