#include "report/PdfDocument.h"

#include "report/PdfFont.h"
#include "report/PdfPaintEngine.h"
#include "report/ReportFont.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QStringView>
#include <QTextLayout>
#include <QVarLengthArray>
#include <climits>
#include <cmath>

namespace report::pdf {

namespace {

constexpr double PointsPerInch = 72;

// A glyph number as two bytes of a literal string; the bytes that would end the string or
// escape, and a carriage return, which a reader would take for a line end, are escaped.
void appendGlyph(QByteArray& string, quint16 glyph) {
    for (const char byte : {char(glyph >> 8), char(glyph & 0xFF)}) {
        if (byte == '(' || byte == ')' || byte == '\\')
            string += '\\';
        if (byte == '\r')
            string += "\\r";
        else
            string += byte;
    }
}

QByteArray point(QPointF at) {
    return Number(at.x()) + ' ' + Number(at.y());
}

// A position in whole hundredths, as the page's numbers are written.
double hundredths(double value) {
    return std::round(value * 100) / 100;
}

QByteArray colour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return Number(rgb.redF()) + ' ' + Number(rgb.greenF()) + ' ' + Number(rgb.blueF());
}

// The text's characters one by one, a pair of surrogates as one.
template <typename Each>
void forEachCharacter(const QString& text, Each each) {
    for (qsizetype at = 0; at < text.size(); ++at) {
        char32_t character = text[at].unicode();
        if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(text[at], text[at + 1]);
            ++at;
        }
        if (!each(character))
            return;
    }
}

}  // namespace

Document::Document(QIODevice& out, const QPageLayout& layout, const QString& title,
                   const QString& creator, int compressionLevel)
    : writer_(out, compressionLevel),
      layout_(layout),
      title_(title),
      creator_(creator),
      engine_(std::make_unique<PaintEngine>(*this)) {
    pagesObject_ = writer_.reserve();
    resourcesObject_ = writer_.reserve();
    beginPage();
}

Document::~Document() = default;

Document* Document::of(const QPainter& painter) {
    return dynamic_cast<Document*>(painter.device());
}

QPaintEngine* Document::paintEngine() const {
    return engine_.get();
}

int Document::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return layout_.paintRectPixels(Resolution).width();
        case PdmHeight:
            return layout_.paintRectPixels(Resolution).height();
        case PdmWidthMM:
            return qRound(layout_.paintRect(QPageLayout::Millimeter).width());
        case PdmHeightMM:
            return qRound(layout_.paintRect(QPageLayout::Millimeter).height());
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return Resolution;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
    }
    return 0;
}

void Document::beginPage() {
    content_.resize(0);  // its room is kept for the next page
    inText_ = false;
    currentFont_ = nullptr;
    currentSize_ = 0;
    fillColour_ = strokeColour_ = QColor();
    lineWidth_ = -1;
    cap_ = join_ = -1;
    // Device units from the printable area's top left corner, downwards.
    const QRectF paper = layout_.fullRect(QPageLayout::Point);
    const QRectF printable = layout_.paintRect(QPageLayout::Point);
    const double scale = PointsPerInch / Resolution;
    content_ += Number(scale) + " 0 0 " + Number(-scale) + ' ' + Number(printable.left()) + ' ' +
                Number(paper.height() - printable.top()) + " cm\n";
}

void Document::endPage() {
    endText();
    const int contents = writer_.reserve();
    writer_.writeStream(contents, {}, content_);
    const QRectF paper = layout_.fullRect(QPageLayout::Point);
    const int page = writer_.reserve();
    writer_.beginObject(page);
    writer_.write("<< /Type /Page /Parent " + Reference(pagesObject_) + " /MediaBox [0 0 " +
                  Number(paper.width()) + ' ' + Number(paper.height()) + "] /Resources " +
                  Reference(resourcesObject_) + " /Contents " + Reference(contents) + " >>\n");
    writer_.endObject();
    pages_.append(page);
}

void Document::newPage() {
    endPage();
    beginPage();
}

bool Document::finish() {
    endPage();
    QByteArray fonts;
    for (const auto& font : fonts_) {
        if (!font->embeddable() || !font->used())
            continue;
        font->write(writer_);
        fonts += "/F" + QByteArray::number(font->number()) + ' ' + Reference(font->number()) + ' ';
    }
    QByteArray images;
    for (int image : std::as_const(images_))
        images += "/Im" + QByteArray::number(image) + ' ' + Reference(image) + ' ';
    writer_.beginObject(resourcesObject_);
    writer_.write("<< /ProcSet [/PDF /Text /ImageB /ImageC] /Font << " + fonts + ">> /XObject << " +
                  images + ">> >>\n");
    writer_.endObject();

    QByteArray kids;
    for (int page : std::as_const(pages_))
        kids += Reference(page) + ' ';
    writer_.beginObject(pagesObject_);
    writer_.write("<< /Type /Pages /Kids [" + kids + "] /Count " +
                  QByteArray::number(pages_.size()) + " >>\n");
    writer_.endObject();

    const int info = writer_.reserve();
    writer_.beginObject(info);
    writer_.write("<< /Title " + TextString(title_) + " /Creator " + TextString(creator_) +
                  " /Producer " + TextString(creator_) + " >>\n");
    writer_.endObject();
    const int catalogue = writer_.reserve();
    writer_.beginObject(catalogue);
    writer_.write("<< /Type /Catalog /Pages " + Reference(pagesObject_) + " >>\n");
    writer_.endObject();
    writer_.finish(catalogue, info);
    return !writer_.failed();
}

Document::Face Document::faceOf(const QFont& font) {
    // Text after text comes in the same font: that one is known without a key.
    if (lastFace_.font && font == lastFont_)
        return lastFace_;
    lastFont_ = font;
    lastFace_ = keyedFace(font);
    return lastFace_;
}

Document::Face Document::keyedFace(const QFont& font) {
    const QString key = font.key();
    if (const auto found = faces_.constFind(key); found != faces_.constEnd())
        return *found;
    const QRawFont face = QRawFont::fromFont(QFont(font, this));
    return *faces_.insert(key, Face{&fontOf(face), face.pixelSize()});
}

EmbeddedFont& Document::fontOf(const QRawFont& face) {
    for (const auto& font : fonts_)
        if (font->face().familyName() == face.familyName() &&
            font->face().styleName() == face.styleName() &&
            font->face().weight() == face.weight() && font->face().style() == face.style())
            return *font;
    fonts_.push_back(std::make_unique<EmbeddedFont>(face, writer_.reserve(), int(fonts_.size())));
    return *fonts_.back();
}

void Document::setFont(const EmbeddedFont& font, double size) {
    if (currentFont_ == &font && currentSize_ == size)
        return;
    currentFont_ = &font;
    currentSize_ = size;
    content_ += "/F" + QByteArray::number(font.number()) + ' ' + Number(size) + " Tf\n";
}

void Document::setFillColour(const QColor& colour) {
    if (colour == fillColour_)
        return;
    fillColour_ = colour;
    content_ += pdf::colour(colour) + " rg\n";
}

void Document::drawText(QPointF baseline, const QString& text, const QFont& font,
                        const QColor& colour) {
    if (text.isEmpty())
        return;
    const Face face = faceOf(font);
    EmbeddedFont& embedded = *face.font;
    // Most report text is letters that stand alone: each is its glyph at its own width.
    QVarLengthArray<quint16, 128> glyphs;
    bool alone = embedded.embeddable();
    forEachCharacter(text, [&](char32_t character) {
        const quint16 glyph = StandsAlone(character) ? embedded.glyphOf(character) : 0;
        if (glyph == 0)
            return alone = false;
        glyphs.append(glyph);
        embedded.use(glyph, character);
        return true;
    });
    setFillColour(colour);
    if (!alone) {
        drawLaidOut(baseline, text, font);
        return;
    }
    setFont(embedded, face.size);
    appendText(baseline, glyphs.constData(), glyphs.size());
}

double Document::textWidth(const QString& text, const QFont& font) {
    const Face face = faceOf(font);
    EmbeddedFont& embedded = *face.font;
    double width = 0;
    bool alone = embedded.embeddable();
    forEachCharacter(text, [&](char32_t character) {
        const quint16 glyph = StandsAlone(character) ? embedded.glyphOf(character) : 0;
        if (glyph == 0)
            return alone = false;
        width += embedded.advance(glyph);
        return true;
    });
    return alone ? width * face.size : -1;
}

void Document::drawLaidOut(QPointF baseline, const QString& text, const QFont& font) {
    QTextLayout layout(text, font, this);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;
    const QPointF origin = baseline - QPointF(0, line.ascent());
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont face = run.rawFont();
        EmbeddedFont& embedded = fontOf(face);
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        // Which character each glyph shows, where the face maps it one to one; shaping may
        // have put a letter and its accent together into the composed letter's glyph.
        for (const QString& form : {text, text.normalized(QString::NormalizationForm_C)})
            forEachCharacter(form, [&](char32_t character) {
                const quint16 glyph = embedded.glyphOf(character);
                if (glyph != 0 && glyphs.contains(glyph))
                    embedded.use(glyph, character);
                return true;
            });
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            const QPointF at = origin + positions[i];
            if (!embedded.embeddable() || glyphs[i] > 0xFFFF) {
                drawOutline(face, glyphs[i], at);
                continue;
            }
            embedded.use(quint16(glyphs[i]), 0);
            setFont(embedded, face.pixelSize());
            const quint16 glyph = quint16(glyphs[i]);
            appendText(at, &glyph, 1);
        }
    }
}

void Document::drawOutline(const QRawFont& face, quint32 glyph, QPointF at) {
    strokeAndFill(face.pathForGlyph(glyph).translated(at), Qt::NoPen, fillColour_);
}

void Document::appendText(QPointF baseline, const quint16* glyphs, qsizetype count) {
    // One text object holds the page's texts as they come, each placed by a move from the one
    // before: the page is shorter, and so quicker to deflate and to write.
    if (!inText_) {
        content_ += "BT 1 0 0 -1 0 0 Tm\n";
        inText_ = true;
        textAt_ = QPointF();
    }
    const QPointF at(hundredths(baseline.x()), hundredths(baseline.y()));
    AppendNumber(content_, at.x() - textAt_.x());
    content_ += ' ';
    AppendNumber(content_, textAt_.y() - at.y());  // the text matrix turns the page upright
    content_ += " Td (";
    for (qsizetype i = 0; i < count; ++i)
        appendGlyph(content_, glyphs[i]);
    content_ += ") Tj\n";
    textAt_ = at;
}

void Document::endText() {
    if (inText_)
        content_ += "ET\n";
    inText_ = false;
}

void Document::strokeAndFill(const QPainterPath& path, const QPen& pen, const QBrush& brush) {
    const bool stroke = pen.style() != Qt::NoPen;
    const bool fill = brush.style() != Qt::NoBrush;
    if (path.isEmpty() || (!stroke && !fill))
        return;
    endText();
    if (fill)
        setFillColour(brush.color());
    if (stroke) {
        if (pen.color() != strokeColour_) {
            strokeColour_ = pen.color();
            content_ += colour(strokeColour_) + " RG\n";
        }
        if (pen.widthF() != lineWidth_) {
            lineWidth_ = pen.widthF();
            content_ += Number(lineWidth_) + " w\n";
        }
        const int cap = pen.capStyle() == Qt::RoundCap    ? 1
                        : pen.capStyle() == Qt::SquareCap ? 2
                                                          : 0;
        if (cap != cap_) {
            cap_ = cap;
            content_ += QByteArray::number(cap) + " J\n";
        }
        const int join = pen.joinStyle() == Qt::RoundJoin   ? 1
                         : pen.joinStyle() == Qt::BevelJoin ? 2
                                                            : 0;
        if (join != join_) {
            join_ = join;
            content_ += QByteArray::number(join) + " j\n";
        }
    }
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        switch (element.type) {
            case QPainterPath::MoveToElement:
                content_ += point(element) + " m\n";
                break;
            case QPainterPath::LineToElement:
                content_ += point(element) + " l\n";
                break;
            case QPainterPath::CurveToElement:
                content_ += point(element) + ' ' + point(path.elementAt(i + 1)) + ' ' +
                            point(path.elementAt(i + 2)) + " c\n";
                i += 2;
                break;
            case QPainterPath::CurveToDataElement:
                break;
        }
    }
    const bool evenOdd = path.fillRule() == Qt::OddEvenFill;
    if (stroke && fill)
        content_ += evenOdd ? "B*\n" : "B\n";
    else if (fill)
        content_ += evenOdd ? "f*\n" : "f\n";
    else
        content_ += "S\n";
}

namespace {

// The number of colour components a JPEG's frame header names, or 0.
int jpegComponents(const QByteArray& jpeg) {
    for (qsizetype at = 2; at + 9 < jpeg.size();) {
        if (uchar(jpeg[at]) != 0xFF)
            return 0;
        const uchar marker = uchar(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xC3)
            return uchar(jpeg[at + 9]);
        at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
    }
    return 0;
}

}  // namespace

bool Document::drawJpeg(const QRectF& target, const QByteArray& jpeg, QSize size) {
    const int components = jpegComponents(jpeg);
    if ((components != 1 && components != 3) || size.isEmpty() || target.isEmpty())
        return false;
    endText();
    const int object = writer_.reserve();
    writer_.writeStream(object,
                        "/Type /XObject /Subtype /Image /Width " +
                            QByteArray::number(size.width()) + " /Height " +
                            QByteArray::number(size.height()) + " /ColorSpace " +
                            (components == 1 ? "/DeviceGray" : "/DeviceRGB") +
                            " /BitsPerComponent 8 /Filter /DCTDecode",
                        jpeg, false);
    images_.insert(-qint64(images_.size()) - 1, object);  // a key no image's cache key is
    content_ += "q " + Number(target.width()) + " 0 0 " + Number(-target.height()) + ' ' +
                point(target.bottomLeft()) + " cm /Im" + QByteArray::number(object) + " Do Q\n";
    return true;
}

void Document::drawImage(const QRectF& target, const QImage& image) {
    if (image.isNull() || target.isEmpty())
        return;
    endText();
    int object = images_.value(image.cacheKey());
    if (object == 0) {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
        QByteArray pixels;
        QByteArray alpha;
        pixels.reserve(qsizetype(rgb.width()) * rgb.height() * 3);
        for (int y = 0; y < rgb.height(); ++y)
            pixels.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
        QByteArray mask;
        if (image.hasAlphaChannel()) {
            const QImage opacity = image.convertToFormat(QImage::Format_Alpha8);
            for (int y = 0; y < opacity.height(); ++y)
                alpha.append(reinterpret_cast<const char*>(opacity.constScanLine(y)),
                             opacity.width());
            const int maskObject = writer_.reserve();
            writer_.writeStream(maskObject,
                                "/Type /XObject /Subtype /Image /Width " +
                                    QByteArray::number(image.width()) + " /Height " +
                                    QByteArray::number(image.height()) +
                                    " /ColorSpace /DeviceGray /BitsPerComponent 8",
                                alpha);
            mask = " /SMask " + Reference(maskObject);
        }
        object = writer_.reserve();
        writer_.writeStream(object,
                            "/Type /XObject /Subtype /Image /Width " +
                                QByteArray::number(rgb.width()) + " /Height " +
                                QByteArray::number(rgb.height()) +
                                " /ColorSpace /DeviceRGB /BitsPerComponent 8" + mask,
                            pixels);
        images_.insert(image.cacheKey(), object);
    }
    // The image's unit square, its first row at the top of the target.
    content_ += "q " + Number(target.width()) + " 0 0 " + Number(-target.height()) + ' ' +
                point(target.bottomLeft()) + " cm /Im" + QByteArray::number(object) + " Do Q\n";
}

}  // namespace report::pdf
