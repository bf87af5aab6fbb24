#pragma once

#include "db/ProgressReporter.h"
#include "ui/common/LongWork.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace ui {

class StepBar;

// frmProgress: shows how far long work has got and lets the user stop it with Cancel. It stays
// above the main window and keeps the rest of the program still while the work runs.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // onCancel raises the caller's stop flag.
    ProgressWindow(QWidget* parent, std::function<void()> onCancel);

    void showCancelButton(bool visible);
    void Reset() { SetProgress(0); }
    // Shows the status; below Maximum, Value goes one step up. Pending events run after every
    // call: this is where a click on Cancel is taken in.
    void Increment(const QString& status);
    // Sizes the bar; pending events run only at every 20th step, to keep long loops fast.
    void SetProgress(int value);
    // The work is over: Stopped is set, the bar filled and the window closed.
    void StopProgress();

    bool stopped() const { return stopped_; }
    StepBar& bar() { return *bar_; }
    QLabel& status() { return *status_; }
    QPushButton& cancelButton() { return *cancel_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void cancel();

    QLabel* status_;
    QLabel* percent_;
    StepBar* bar_;
    QPushButton* cancel_;
    std::function<void()> onCancel_;
    bool stopped_ = false;
};

// modProgress: runs the progress window for long work and keeps gProgressStop.
class Progress final : public db::ProgressReporter {
public:
    explicit Progress(QWidget* parent) : parent_(parent) {}
    ~Progress() override;

    void ShowProgress(const QString& status, int firstStep, int lastStep) override;
    void ProgressStep(const QString& status) override;
    void CloseProgress() override;
    bool stopRequested() const override { return progressStop_; }

    // The window while a run is going on, else null.
    ProgressWindow* window() const { return window_; }

private:
    QWidget* parent_;
    QPointer<ProgressWindow> window_;
    std::optional<ui::LongWork> work_;
    bool progressStop_ = true;
};

}  // namespace ui
