#include "report/PdfPaintEngine.h"

#include "report/PdfDocument.h"

#include <QImage>
#include <QPainterPath>
#include <QPixmap>

namespace report::pdf {

PaintEngine::PaintEngine(Document& document)
    : QPaintEngine(QPaintEngine::AllFeatures &
                   ~(QPaintEngine::PorterDuff | QPaintEngine::LinearGradientFill |
                     QPaintEngine::RadialGradientFill | QPaintEngine::ConicalGradientFill)),
      document_(document) {}

void PaintEngine::updateState(const QPaintEngineState& state) {
    const QPaintEngine::DirtyFlags dirty = state.state();
    if (dirty & DirtyPen)
        pen_ = state.pen();
    if (dirty & DirtyBrush)
        brush_ = state.brush();
    if (dirty & DirtyTransform)
        transform_ = state.transform();
}

void PaintEngine::drawRects(const QRectF* rects, int count) {
    QPainterPath path;
    for (int i = 0; i < count; ++i)
        path.addRect(rects[i]);
    document_.strokeAndFill(transform_.map(path), pen_, brush_);
}

void PaintEngine::drawLines(const QLineF* lines, int count) {
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        path.moveTo(lines[i].p1());
        path.lineTo(lines[i].p2());
    }
    document_.strokeAndFill(transform_.map(path), pen_, Qt::NoBrush);
}

void PaintEngine::drawPath(const QPainterPath& path) {
    document_.strokeAndFill(transform_.map(path), pen_, brush_);
}

void PaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
    if (count < 2)
        return;
    QPainterPath path(points[0]);
    for (int i = 1; i < count; ++i)
        path.lineTo(points[i]);
    if (mode == PolylineMode) {
        document_.strokeAndFill(transform_.map(path), pen_, Qt::NoBrush);
        return;
    }
    path.closeSubpath();
    path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    document_.strokeAndFill(transform_.map(path), pen_, brush_);
}

void PaintEngine::drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) {
    drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
}

void PaintEngine::drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                            Qt::ImageConversionFlags) {
    const QRect part = source.toAlignedRect() & image.rect();
    document_.drawImage(transform_.mapRect(target),
                        part == image.rect() ? image : image.copy(part));
}

void PaintEngine::drawTextItem(const QPointF& baseline, const QTextItem& item) {
    document_.drawText(transform_.map(baseline), item.text(), item.font(), pen_.color());
}

}  // namespace report::pdf
