#include "report/ReportFont.h"

#include "report/PageGeometry.h"

#include <cmath>

namespace report {

namespace {

// Short texts repeat from row to row (ratings, media, numbers) and are measured once; long ones
// (titles, names) are mostly unique and are measured each time.
constexpr qsizetype MaxCachedLength = 24;
// The cache of one font is emptied when it grows beyond this, so memory stays small.
constexpr qsizetype MaxCachedWidths = 20000;

}  // namespace

QFont SpoolFont::toQFont() const {
    QFont font(name);
    font.setPointSizeF(size > 0 ? size : ReportFontSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

ScreenMetrics::ScreenMetrics() : surface_(1, 1, QImage::Format_RGB32) {
    const int dotsPerMeter = qRound(ScreenDpi / 0.0254);
    surface_.setDotsPerMeterX(dotsPerMeter);
    surface_.setDotsPerMeterY(dotsPerMeter);
    setFont(SpoolFont());
}

void ScreenMetrics::setFont(const SpoolFont& font) {
    if (metrics_ && font == font_)
        return;
    font_ = font;
    const QFont resolved = font.toQFont();
    metrics_.emplace(resolved, &surface_);
    currentWidths_ = &widths_[resolved.key()];
}

double ScreenMetrics::width(const QString& text) {
    if (text.isEmpty())
        return 0;
    if (text.size() > MaxCachedLength)
        return metrics_->horizontalAdvance(text) * TwipsPerPixel;
    if (const auto found = currentWidths_->constFind(text); found != currentWidths_->constEnd())
        return *found;
    if (currentWidths_->size() >= MaxCachedWidths)
        currentWidths_->clear();
    const double twips = metrics_->horizontalAdvance(text) * TwipsPerPixel;
    currentWidths_->insert(text, twips);
    return twips;
}

int ScreenMetrics::lineHeight() const {
    return static_cast<int>(std::lround(metrics_->height() * TwipsPerPixel));
}

}  // namespace report
