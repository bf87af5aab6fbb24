#pragma once

#include <QRect>

class QWidget;

namespace ui {

// The rectangle moved, and shrunk where it is larger, so that it lies wholly inside available.
QRect FittedInto(QRect rect, const QRect& available);
// The area windows may use on the screen the widget is on (the primary screen before it has one).
QRect AvailableGeometry(const QWidget& widget);
// Moves and shrinks a top-level window, its frame included, to lie wholly on its screen.
void KeepOnScreen(QWidget& window);

}  // namespace ui
