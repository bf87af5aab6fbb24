#include "report/ReportFont.h"

#include "report/PageGeometry.h"

#include <cmath>

namespace report {

bool StandsAlone(char32_t letter) {
    return (letter >= 0x20 && letter < 0x300) || (letter >= 0x370 && letter < 0x530) ||
           (letter >= 0x2000 && letter < 0x2070) || (letter >= 0x20A0 && letter < 0x20D0);
}

QFont SpoolFont::toQFont() const {
    QFont font(name);
    font.setPointSizeF(size > 0 ? size : ReportFontSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setKerning(false);
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
    currentWidths_ = &letterWidths_[resolved.key()];
}

double ScreenMetrics::letterWidth(QChar letter) {
    if (!StandsAlone(letter.unicode()))
        return -1;
    if (const auto found = currentWidths_->constFind(letter.unicode());
        found != currentWidths_->constEnd())
        return *found;
    const double width = metrics_->horizontalAdvance(letter);
    currentWidths_->insert(letter.unicode(), width);
    return width;
}

double ScreenMetrics::laidOutWidth(const QString& text) const {
    return metrics_->horizontalAdvance(text) * TwipsPerPixel;
}

double ScreenMetrics::width(const QString& text) {
    double pixels = 0;
    for (QChar letter : text) {
        const double width = letterWidth(letter);
        if (width < 0)
            return laidOutWidth(text);
        pixels += width;
    }
    return pixels * TwipsPerPixel;
}

qsizetype ScreenMetrics::fittingLength(const QString& text, double width) {
    double used = 0;  // pixels
    for (qsizetype length = 0; length < text.size(); ++length) {
        const double letter = letterWidth(text[length]);
        if (letter < 0)
            break;
        used += letter;
        if (used * TwipsPerPixel > width)
            return length;
        if (length + 1 == text.size())
            return text.size();
    }
    // Text that must be laid out: the longest beginning that fits, found by halving, as a text
    // only grows wider as it grows longer.
    if (laidOutWidth(text) <= width)
        return text.size();
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (laidOutWidth(text.left(middle)) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate())
        --fits;  // never half a character
    return fits;
}

int ScreenMetrics::lineHeight() const {
    return static_cast<int>(std::lround(metrics_->height() * TwipsPerPixel));
}

}  // namespace report
