#include "ui/tools/BusyDialog.h"

#include "ui/common/BackgroundWork.h"

#include <QCloseEvent>

namespace ui {

BusyDialog::Busy::Busy(BusyDialog& dialog, QList<QWidget*> disabled) : dialog_(dialog) {
    dialog_.busy_ = true;
    dialog_.setCursor(Qt::WaitCursor);
    for (QWidget* widget : disabled) {
        widget->setEnabled(false);
        disabled_.append(widget);
    }
}

void BusyDialog::Busy::end() {
    if (ended_)
        return;
    ended_ = true;
    work_.reset();  // the work is over: the program may end, even under a result box
    for (const QPointer<QWidget>& widget : disabled_)
        if (widget)
            widget->setEnabled(true);
    dialog_.unsetCursor();
    dialog_.busy_ = false;
}

BusyDialog::~BusyDialog() {
    qDeleteAll(findChildren<BackgroundWork*>(Qt::FindDirectChildrenOnly));
}

void BusyDialog::closeEvent(QCloseEvent* event) {
    if (busy_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void BusyDialog::reject() {
    if (!busy_)
        QDialog::reject();
}

}  // namespace ui
