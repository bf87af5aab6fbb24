#pragma once

#include <QColor>

namespace ui {

// The contrast of two colours as the accessibility guidelines measure it: 1 (none) to 21
// (black on white). Text wants at least 4.5.
double ContrastRatio(const QColor& first, const QColor& second);

// The wanted colour, made lighter or darker until it reads on the background with at least the
// given contrast; its hue kept. Where no shade of it does, the background's opposite.
QColor ReadableOn(const QColor& wanted, const QColor& background, double minimum = 4.5);

}  // namespace ui
