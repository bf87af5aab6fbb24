#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {

// frmPrinting: shows how far a report is written or printed on the worker, beside the main
// window, which stays usable; Cancel stops the work at its next line or page.
class PrintingWindow final : public QDialog {
    Q_OBJECT
public:
    explicit PrintingWindow(QWidget* parent);

    void ShowProgress(const QString& caption, const QString& pageText, bool showPercent);
    void ShowPage(const QString& pageText);
    void ShowPercent(int percent);
    bool cancelRequested() const { return cancelRequested_; }
    void CloseProgress();

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
