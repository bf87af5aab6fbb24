#pragma once

#include "ui/common/LongWork.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/WorkProgress.h"
#include "ui/common/WorkWindow.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

class QTimer;
class QWidget;

namespace ui {

// Runs long work on a worker thread while the window stays responsive. The work is a plain
// function of the core that opens its own connection and reads the progress it is given for
// its stop; it never touches a widget. Meanwhile the progress window shows how far it has got,
// its Cancel asks the work to stop, and the commands that would conflict are disabled.
class BackgroundWork final : public QObject {
    Q_OBJECT
public:
    using Work = std::function<void(WorkProgress&)>;
    // On the window's thread once the work has ended (done, stopped or failed), with what it
    // threw, if anything.
    using Finished = std::function<void(std::exception_ptr failure)>;

    // Starts the work and shows the progress window over parent, which owns the run; the run
    // deletes itself once finished has returned.
    static BackgroundWork* start(QWidget* parent, const QString& status, Work work,
                                 Finished finished);
    // The same with a window of the caller's (owned by the run from now on).
    static BackgroundWork* start(QWidget* parent, std::unique_ptr<WorkWindow> window, Work work,
                                 Finished finished);
    // Waits for the work, asking it to stop first: the owner is going.
    ~BackgroundWork() override;

    // The progress window; none when the caller gave a window of its own.
    ProgressWindow* window() const { return window_; }
    WorkProgress& progress() { return progress_; }

signals:
    // The work is over and finished has run.
    void ended();

private:
    BackgroundWork(QWidget* parent, std::unique_ptr<WorkWindow> window, Finished finished);
    void run(Work work);
    void follow();
    void end();

    WorkProgress progress_;
    std::exception_ptr failure_;
    Finished finished_;
    QFutureWatcher<void> watcher_;
    std::unique_ptr<WorkWindow> view_;
    QPointer<ProgressWindow> window_;
    QTimer* timer_;
    std::optional<LongWork> work_{std::in_place};
};

}  // namespace ui
