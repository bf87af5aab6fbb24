#pragma once

#include <QString>

namespace db {

// How long work (the repair, the import) shows how far it has got and hears a Cancel, without
// knowing the window that does it.
class ProgressReporter {
public:
    virtual ~ProgressReporter() = default;
    virtual void ShowProgress(const QString& status, int firstStep, int lastStep) = 0;
    virtual void ProgressStep(const QString& status) = 0;
    virtual void CloseProgress() = 0;
    // gProgressStop: the user has cancelled; the working loop reads it after each step.
    virtual bool stopRequested() const = 0;
};

}  // namespace db
