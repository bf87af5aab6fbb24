#pragma once

#include <QBrush>
#include <QFont>
#include <QPaintEngine>
#include <QPen>
#include <QTransform>

namespace report::pdf {

class Document;

// What a QPainter asks of a PDF document, handed on in device units.
class PaintEngine final : public QPaintEngine {
public:
    explicit PaintEngine(Document& document);

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override;

    void drawRects(const QRectF* rects, int count) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override;
    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override;
    void drawTextItem(const QPointF& baseline, const QTextItem& item) override;

private:
    Document& document_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
};

}  // namespace report::pdf
