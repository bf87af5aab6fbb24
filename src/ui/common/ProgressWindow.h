#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace ui {

class StepBar;

// frmProgress: shows how far long work has got and lets the user stop it with Cancel. It stays
// above the main window.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // onCancel raises the caller's stop flag.
    ProgressWindow(QWidget* parent, std::function<void()> onCancel);

    void setCancel(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }
    void showCancelButton(bool visible);
    void Reset() { SetProgress(0); }
    // Shows the status; below Maximum, Value goes one step up.
    void Increment(const QString& status);
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

}  // namespace ui
