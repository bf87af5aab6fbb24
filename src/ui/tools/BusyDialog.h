#pragma once

#include "ui/common/LongWork.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <optional>

namespace ui {

// A dialog that runs long work inside one of its commands. While the work runs the dialog shows
// the busy pointer, its buttons are disabled, it refuses to close, and it repaints now and then.
class BusyDialog : public QDialog {
    Q_OBJECT
public:
    bool isBusy() const { return busy_; }

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

    // Shows the text as the caption, so the user sees the work advance. Pending events run at
    // most every few hundredths of a second: often enough to repaint, rarely enough to cost
    // nothing.
    void followCaption(const QString& text);

    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool busy_ = false;
    QElapsedTimer sinceEvents_;
};

}  // namespace ui
