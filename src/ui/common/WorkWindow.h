#pragma once

#include "ui/common/WorkProgress.h"

class QWidget;

namespace ui {

// The window that shows long work on a worker: the progress window, or for a report frmPrinting.
// The runner calls it on the window's thread, on its time budget.
class WorkWindow {
public:
    virtual ~WorkWindow() = default;
    // Shows how far the work has got; true once the user has asked it to stop.
    virtual bool follow(const WorkProgress::State& state) = 0;
    // The work is over.
    virtual void finish() = 0;
};

}  // namespace ui
