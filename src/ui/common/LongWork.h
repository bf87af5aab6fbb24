#pragma once

namespace ui {

// Long work that lets pending events run while it goes on (an import, an export, the repair).
// The program is not ended under it: a request to end waits until the work is over.
class LongWork {
public:
    LongWork() { ++running_; }
    ~LongWork() { --running_; }
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    static bool running() { return running_ > 0; }

private:
    static inline int running_ = 0;
};

}  // namespace ui
