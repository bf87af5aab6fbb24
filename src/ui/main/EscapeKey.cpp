#include "ui/main/EscapeKey.h"

#include <QApplication>
#include <QKeyEvent>

namespace ui {

EscapeKey::EscapeKey(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool EscapeKey::closedAPopup() const {
    return popupWasOpen_;
}

bool EscapeKey::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress ||
         type == QEvent::KeyRelease) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // The override comes first and travels up from the focused control: the first to see
        // it tells whether a popup was open. The press follows it, and the release ends it.
        if (type == QEvent::ShortcutOverride && !overrideSeen_) {
            overrideSeen_ = true;
            popupWasOpen_ = QApplication::activePopupWidget() != nullptr;
        } else if (type == QEvent::KeyPress) {
            overrideSeen_ = false;
        } else if (type == QEvent::KeyRelease) {
            popupWasOpen_ = false;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
