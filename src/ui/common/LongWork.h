#pragma once

namespace ui {

// Long work that lets pending events run while it goes on (an import, an export, the repair).
// The program is not ended under it: a request to end asks work that can stop to stop, and
// waits until the work is over.
class LongWork {
public:
    LongWork() { ++running_; }
    ~LongWork() { --running_; }
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    static bool running() { return running_ > 0; }

    // The program is ending: work that can stop between its steps (the import) stops.
    static void requestStop() { stopRequested_ = true; }
    static bool stopRequested() { return stopRequested_; }

private:
    static inline int running_ = 0;
    static inline bool stopRequested_ = false;
};

}  // namespace ui
