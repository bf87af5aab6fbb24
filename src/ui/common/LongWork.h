#pragma once

#include <atomic>
#include <functional>

class QAction;

namespace ui {

// Long work is going on (an import, an export, a report, the repair). While any runs, the
// commands that would conflict with it are disabled, and the program is not ended under it: a
// request to end asks the work to stop between its steps, and waits until it is over.
class LongWork {
public:
    LongWork();
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    static bool running() { return running_ > 0; }

    // A command that must not start while long work runs: it is disabled for as long as any
    // runs, and given back the state it had.
    static void addConflicting(QAction* action);
    // Runs then on the event loop once no work runs (at once when none does).
    static void whenIdle(std::function<void()> then);

    // The program is ending: every work that can stop between its steps stops. Read by the
    // workers' threads; cleared once no work runs.
    static void requestStop() { stopRequested_ = true; }
    static bool stopRequested() { return stopRequested_; }

private:
    static inline int running_ = 0;
    static inline std::atomic<bool> stopRequested_ = false;
};

}  // namespace ui
