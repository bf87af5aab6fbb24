#pragma once

#include "ui/common/LongWork.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <optional>

namespace ui {

// A dialog that runs long work for one of its commands. While the work runs the dialog shows
// the busy pointer, its buttons are disabled and it refuses to close.
class BusyDialog : public QDialog {
    Q_OBJECT
public:
    bool isBusy() const { return busy_; }
    // Waits for work still running for the dialog (the program is ending under it), while the
    // dialog is whole: what the work holds of it lets go first.
    ~BusyDialog() override;

protected:
    using QDialog::QDialog;

    // Busy from construction until end() or the end of the scope.
    class Busy {
    public:
        Busy(BusyDialog& dialog, QList<QWidget*> disabled);
        ~Busy() { end(); }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
        void end();

    private:
        BusyDialog& dialog_;
        std::optional<LongWork> work_{std::in_place};
        QList<QPointer<QWidget>> disabled_;
        bool ended_ = false;
    };

    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool busy_ = false;
};

}  // namespace ui
