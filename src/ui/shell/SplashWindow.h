#pragma once

#include <QWidget>
#include <memory>

class QLabel;

namespace ui {

class StepBar;

// frmSplash: tells the user how far start-up has got.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow();

    // Loads the window with its status and range, empties the bar and shows it (not modal).
    static std::unique_ptr<SplashWindow> ShowSplash(const QString& status, int firstStep,
                                                    int lastStep);
    // One step further, with a new status.
    void SplashStep(const QString& status) { Increment(status); }

    void Reset() { SetProgress(0); }
    // Shows the status; below Maximum, Value goes one step up.
    void Increment(const QString& status);
    void SetProgress(int value);

    StepBar& bar() { return *bar_; }
    QLabel& status() { return *status_; }

private:
    QLabel* status_;
    StepBar* bar_;
};

}  // namespace ui
