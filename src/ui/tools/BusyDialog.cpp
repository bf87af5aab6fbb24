#include "ui/tools/BusyDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace ui {

namespace {

constexpr qint64 EventInterval = 40;  // milliseconds

}  // namespace

BusyDialog::Busy::Busy(BusyDialog& dialog, QList<QWidget*> disabled) : dialog_(dialog) {
    dialog_.busy_ = true;
    dialog_.sinceEvents_.invalidate();
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

void BusyDialog::followCaption(const QString& text) {
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < EventInterval)
        return;
    // A caption is no place for a whole line of a file: a title of megabytes has ended the
    // window system's connection.
    constexpr int CaptionLength = 80;
    setWindowTitle(text.size() > CaptionLength ? text.left(CaptionLength) + QChar(0x2026) : text);
    QCoreApplication::processEvents();
    sinceEvents_.start();
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
