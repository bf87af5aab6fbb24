#pragma once

#include "report/PdfObjects.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPen>
#include <memory>
#include <vector>

class QPainter;
class QPainterPath;
class QRawFont;

namespace report::pdf {

class EmbeddedFont;
class PaintEngine;

// A PDF file as a paint device that a QPainter draws report pages on. Each page goes to the
// file as soon as the next begins, so memory stays flat however long the report. Text is set
// from the fonts' own glyphs without kerning, each glyph at its design width, as the report
// writer measured it; only text that needs shaping is laid out.
class Document final : public QPaintDevice {
public:
    static constexpr int Resolution = 1200;  // device units per inch
    static constexpr int DefaultCompression = 3;

    Document(QIODevice& out, const QPageLayout& layout, const QString& title,
             const QString& creator, int compressionLevel = DefaultCompression);
    ~Document() override;

    // The document a painter draws on, or none when it draws elsewhere.
    static Document* of(const QPainter& painter);

    void newPage();
    // Writes the last page and what the pages share. False when the file could not be written.
    bool finish();

    QPaintEngine* paintEngine() const override;

    // Text on its baseline, in device units.
    void drawText(QPointF baseline, const QString& text, const QFont& font, const QColor& colour);
    // How wide drawText sets the text, in device units; -1 for text it lays out.
    double textWidth(const QString& text, const QFont& font);
    void strokeAndFill(const QPainterPath& path, const QPen& pen, const QBrush& brush);
    void drawImage(const QRectF& target, const QImage& image);
    // A JPEG file's bytes as they stand, in device units: the picture is not decoded and encoded
    // again. False (nothing drawn) for a JPEG whose colours the file cannot name.
    bool drawJpeg(const QRectF& target, const QByteArray& jpeg, QSize size);

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    // A font as the painter selects it, with its size on this device.
    struct Face {
        EmbeddedFont* font;
        double size;  // device units
    };
    Face faceOf(const QFont& font);
    Face keyedFace(const QFont& font);
    EmbeddedFont& fontOf(const QRawFont& face);
    void setFont(const EmbeddedFont& font, double size);
    void setFillColour(const QColor& colour);
    void drawLaidOut(QPointF baseline, const QString& text, const QFont& font);
    void drawOutline(const QRawFont& face, quint32 glyph, QPointF at);
    void appendText(QPointF baseline, const quint16* glyphs, qsizetype count);
    void endText();
    void beginPage();
    void endPage();

    ObjectWriter writer_;
    QPageLayout layout_;
    QString title_;
    QString creator_;
    std::unique_ptr<PaintEngine> engine_;
    int pagesObject_;
    int resourcesObject_;
    QList<int> pages_;
    QByteArray content_;  // the page being drawn

    std::vector<std::unique_ptr<EmbeddedFont>> fonts_;
    QHash<QString, Face> faces_;  // by QFont::key()
    QFont lastFont_;
    Face lastFace_{nullptr, 0};
    QHash<qint64, int> images_;  // object by image cache key

    // What the page's graphics state holds, so that it is set only when it changes.
    const EmbeddedFont* currentFont_ = nullptr;
    double currentSize_ = 0;
    QColor fillColour_;
    QColor strokeColour_;
    double lineWidth_ = -1;
    int cap_ = -1;
    int join_ = -1;
    bool inText_ = false;
    QPointF textAt_;  // where the text before began, as written
};

}  // namespace report::pdf
