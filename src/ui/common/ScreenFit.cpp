#include "ui/common/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

QRect FittedInto(QRect rect, const QRect& available) {
    if (!available.isValid())
        return rect;
    rect.setWidth(qMin(rect.width(), available.width()));
    rect.setHeight(qMin(rect.height(), available.height()));
    rect.moveLeft(qBound(available.left(), rect.left(), available.right() - rect.width() + 1));
    rect.moveTop(qBound(available.top(), rect.top(), available.bottom() - rect.height() + 1));
    return rect;
}

QRect AvailableGeometry(const QWidget& widget) {
    // A window placed off every screen belongs to the screen nearest its place.
    QScreen* screen = QGuiApplication::screenAt(widget.frameGeometry().center());
    if (!screen)
        screen = widget.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void KeepOnScreen(QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins decoration(inner.left() - frame.left(), inner.top() - frame.top(),
                              frame.right() - inner.right(), frame.bottom() - inner.bottom());
    const QRect fitted = FittedInto(frame, AvailableGeometry(window));
    if (fitted != frame)
        window.setGeometry(fitted.marginsRemoved(decoration));
}

}  // namespace ui
