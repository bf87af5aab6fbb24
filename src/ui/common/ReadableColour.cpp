#include "ui/common/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

double channel(double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background, double minimum) {
    if (ContrastRatio(wanted, background) >= minimum)
        return wanted;
    // Away from the background: lighter on a dark one, darker on a light one.
    const bool lighten = luminance(background) < 0.18;
    const QColor hsl = wanted.toHsl();
    for (int step = 1; step <= 20; ++step) {
        const int lightness =
            std::clamp(hsl.lightness() + (lighten ? 1 : -1) * step * 255 / 20, 0, 255);
        const QColor shade = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
        if (ContrastRatio(shade, background) >= minimum)
            return shade;
    }
    return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace ui
