#include "report/PageDrawer.h"

#include "report/PageGeometry.h"
#include "report/PdfDocument.h"
#include "report/SpoolFormat.h"
#include "report/SpoolReader.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace report {

namespace {

enum class Command {
    HeaderValue,
    Beginning,
    ScreenOnly,
    NewPage,
    CarriageReturn,
    Font,
    Bold,
    Normal,
    Italics,
    FontColour,
    ResetTabs,
    SetTab,
    SetPosition,
    Text,
    Box,
    LineAbove,
    LineBelow,
    Picture,
    EndOfReport,
};

const QHash<QByteArray, Command>& commands() {
    static const QHash<QByteArray, Command> table = {
        {spool::Version, Command::HeaderValue},
        {spool::ReportName, Command::HeaderValue},
        {spool::CreatedBy, Command::HeaderValue},
        {spool::CreateDate, Command::HeaderValue},
        {spool::CreateTime, Command::HeaderValue},
        {spool::Note, Command::HeaderValue},
        {spool::OrientationWord, Command::HeaderValue},
        {spool::PaperSizeWord, Command::HeaderValue},
        {spool::BeginningOfReport, Command::Beginning},
        {spool::ScreenOnly, Command::ScreenOnly},
        {spool::NewPage, Command::NewPage},
        {spool::CarriageReturn, Command::CarriageReturn},
        {spool::Font, Command::Font},
        {spool::Bold, Command::Bold},
        {spool::Normal, Command::Normal},
        {spool::Italics, Command::Italics},
        {spool::FontColour, Command::FontColour},
        {spool::ResetTabs, Command::ResetTabs},
        {spool::SetTab, Command::SetTab},
        {spool::SetPosition, Command::SetPosition},
        {spool::Text, Command::Text},
        {spool::Box, Command::Box},
        {spool::LineAbove, Command::LineAbove},
        {spool::LineBelow, Command::LineBelow},
        {spool::Picture, Command::Picture},
        {spool::EndOfReport, Command::EndOfReport},
    };
    return table;
}

// A damaged file may ask for anything; these bounds keep the drawing quick and finite.
constexpr double MinFontSize = 1;
constexpr double MaxFontSize = 400;
constexpr double MinPrinterFontSize = 2;
constexpr double MaxInches = 1000;
constexpr double MaxLineWidth = 100;  // pixels
constexpr int MaxPictureTwips = 20 * TwipsPerInch;
constexpr int MaxPictureSide = 4000;  // pixels of the encoded picture
constexpr int PictureAllocationMegabytes = 64;

double number(SpoolLines& lines) {
    return spool::ReadNumber(lines.nextText());
}

double inches(SpoolLines& lines) {
    return std::clamp(number(lines), -MaxInches, MaxInches) * TwipsPerInch;
}

double lineWidth(SpoolLines& lines) {
    return std::clamp(number(lines), 0.0, MaxLineWidth);
}

// The colour number of the file: red in the low byte, then green, then blue.
QColor colourOf(qint64 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

int roundedTwips(double pixels, double dpi) {
    return static_cast<int>(std::lround(DeviceToTwips(pixels, dpi)));
}

bool isCommand(const QByteArray& line) {
    return commands().contains(line);
}

// A picture of a "/PICTURE" command: decoded, and as it was encoded when it is a JPEG.
struct SpoolPicture {
    QImage image;
    QByteArray jpeg;
};

// The data lines of a "/PICTURE" command, decoded; a null image when they hold no picture. A
// command word among them means the data was cut short: it is given back to be carried out.
SpoolPicture readPicture(SpoolLines& lines, int count) {
    QByteArray data;
    QByteArray line;
    for (int i = 0; i < count && lines.next(line); ++i) {
        if (isCommand(line)) {
            lines.putBack(line);
            return {};
        }
        data += line;
    }
    auto decoded = QByteArray::fromBase64Encoding(data, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return {};
    QBuffer buffer;
    buffer.setData(*decoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(PictureAllocationMegabytes);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        return {};
    const bool jpeg = reader.format() == "jpeg";
    SpoolPicture picture{reader.read(), {}};
    if (jpeg && !picture.image.isNull())
        picture.jpeg = std::move(*decoded);
    return picture;
}

}  // namespace

PageDrawer::PageDrawer(QPainter& painter, Surface surface, DrawingState& state)
    : painter_(painter),
      surface_(surface),
      state_(state),
      dpi_(painter.device()->logicalDpiY()),
      pageHeight_(DeviceToTwips(painter.device()->height(), dpi_)) {
    // A file without a font of its own starts from the one the state holds.
    const int lineHeight = state_.lineHeight;
    selectFont(state_.font);
    if (lineHeight > 0)
        state_.lineHeight = lineHeight;
}

double PageDrawer::offset() const {
    return surface_ == Surface::Screen ? ScreenOffset : 0;
}

double PageDrawer::toDevice(double twips) const {
    return TwipsToDevice(twips, dpi_);
}

void PageDrawer::selectFont(SpoolFont font) {
    font.size = std::clamp(std::round(font.size), MinFontSize, MaxFontSize);
    state_.font = font;
    screen_.setFont(font);
    state_.lineHeight = screen_.lineHeight();
    printerSize_ = font.size;
    if (surface_ == Surface::Paper) {
        // Printed text is never wider than the screen showed it, so the writer's column cuts
        // hold; and lines are never closer, so pages break where the writer broke them.
        const QString sample = QStringLiteral("WWWMMM");
        const double screenWidth = screen_.width(sample);
        applyFont();
        while (printerSize_ > MinPrinterFontSize &&
               DeviceToTwips(
                   QFontMetricsF(deviceFont_, painter_.device()).horizontalAdvance(sample), dpi_) >
                   screenWidth) {
            printerSize_ -= 0.1;
            applyFont();
        }
        printerLineHeight_ =
            roundedTwips(QFontMetricsF(deviceFont_, painter_.device()).height(), dpi_);
        extraLineHeight_ = qMax(0, state_.lineHeight - printerLineHeight_);
    }
    applyFont();
}

void PageDrawer::applyFont() {
    SpoolFont font = state_.font;
    font.size = printerSize_;
    deviceFont_ = font.toQFont();
    painter_.setFont(deviceFont_);
    ascent_ = QFontMetricsF(deviceFont_, painter_.device()).ascent();
}

double PageDrawer::textWidth(const QString& text) {
    if (surface_ == Surface::Screen)
        return screen_.width(text);
    // A PDF file knows the widths it sets its text at.
    if (pdf::Document* pdf = pdf::Document::of(painter_))
        if (const double width = pdf->textWidth(text, deviceFont_); width >= 0)
            return DeviceToTwips(width, dpi_);
    return DeviceToTwips(QFontMetricsF(deviceFont_, painter_.device()).horizontalAdvance(text),
                         dpi_);
}

void PageDrawer::drawText(const QString& text, int tab) {
    const double x = state_.tabs.position[tab] * TwipsPerInch + offset();
    double left = x;
    switch (static_cast<Alignment>(state_.tabs.alignment[tab])) {
        case Alignment::Left:
            break;
        case Alignment::Centred:
            left = x - textWidth(text) / 2;
            break;
        case Alignment::Right:
            left = x - textWidth(text);
            break;
        default:
            return;
    }
    // A text below the page cannot be seen; a damaged file may hold thousands of them.
    if (text.isEmpty() || y_ > pageHeight_)
        return;
    const QPointF baseline(toDevice(left), toDevice(y_) + ascent_);
    // A PDF file takes the text as it is: nothing is laid out that needs no laying out.
    if (pdf::Document* pdf = pdf::Document::of(painter_)) {
        pdf->drawText(painter_.transform().map(baseline), text, deviceFont_, state_.colour);
        return;
    }
    painter_.setPen(state_.colour);
    painter_.drawText(baseline, text);
}

void PageDrawer::drawBox(double x1, double y1, double x2, double y2, double width) {
    painter_.save();
    painter_.setPen(
        QPen(state_.colour, width * dpi_ / ScreenDpi, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.drawRect(
        QRectF(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)))
            .normalized());
    painter_.restore();
}

void PageDrawer::drawLine(int tab, double length, double width, double height) {
    const double x = state_.tabs.position[tab] * TwipsPerInch;
    painter_.save();
    painter_.setPen(QPen(state_.colour, width * dpi_ / ScreenDpi, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(QPointF(toDevice(x), toDevice(height)),
                      QPointF(toDevice(x + length), toDevice(height)));
    painter_.restore();
}

PageEnd PageDrawer::drawPage(SpoolLines& lines) {
    y_ = 0;
    QByteArray line;
    PageEnd end = PageEnd::EndOfFile;
    while (lines.next(line)) {
        if (!carryOut(line, lines, end))
            return end;
    }
    return PageEnd::EndOfFile;
}

bool PageDrawer::carryOut(const QByteArray& line, SpoolLines& lines, PageEnd& end) {
    const auto found = commands().constFind(line);
    if (found == commands().constEnd())
        return true;  // no command: skipped
    // On paper, the command after "/SCREENONLY" reads its lines and does nothing else.
    const bool skip = surface_ == Surface::Paper && screenOnly_;
    screenOnly_ = false;
    switch (*found) {
        case Command::HeaderValue:
            lines.nextText();
            break;
        case Command::Beginning:
            break;
        case Command::ScreenOnly:
            screenOnly_ = true;
            break;
        case Command::NewPage:
            if (surface_ == Surface::Paper) {
                lines.nextText();
                if (skip)
                    break;
            }
            end = PageEnd::NewPage;
            return false;
        case Command::CarriageReturn:
            if (!skip)
                y_ += surface_ == Surface::Screen ? state_.lineHeight : lineStep();
            break;
        case Command::Font: {
            SpoolFont font;
            font.size = number(lines);
            font.name = lines.nextText();
            font.setStyle(spool::ReadInteger(lines.nextText()));
            if (!skip)
                selectFont(font);
            break;
        }
        case Command::Bold:
        case Command::Normal:
        case Command::Italics:
            if (!skip) {
                state_.font.bold = *found == Command::Bold;
                state_.font.italic = *found == Command::Italics;
                screen_.setFont(state_.font);
                applyFont();
            }
            break;
        case Command::FontColour: {
            const double value = number(lines);
            if (!skip)
                state_.colour = colourOf(static_cast<qint64>(value));
            break;
        }
        case Command::ResetTabs:
            if (!skip)
                state_.tabs.reset();
            break;
        case Command::SetTab: {
            bool ok = false;
            const int tab = spool::ReadInteger(lines.nextText(), &ok);
            const double position = std::clamp(number(lines), -MaxInches, MaxInches);
            const int alignment = spool::ReadInteger(lines.nextText());
            if (!skip && ok && TabStops::exists(tab)) {
                state_.tabs.position[tab] = position;
                state_.tabs.alignment[tab] = alignment;
            }
            break;
        }
        case Command::SetPosition: {
            inches(lines);
            const double y = inches(lines);
            if (!skip)
                y_ = y + offset();
            break;
        }
        case Command::Text: {
            const QString text = lines.nextText();
            bool ok = false;
            const int tab = spool::ReadInteger(lines.nextText(), &ok);
            // A tab line that is no tab keeps the tab of the text before.
            if (ok && TabStops::exists(tab))
                tab_ = tab;
            if (!skip)
                drawText(text, tab_);
            break;
        }
        case Command::Box: {
            const double x1 = inches(lines);
            const double y1 = inches(lines);
            const double x2 = inches(lines);
            const double y2 = inches(lines);
            const double width = lineWidth(lines);
            if (!skip)
                drawBox(x1 + offset(), y1 + offset(), x2 + offset(), y2 + offset(), width);
            break;
        }
        case Command::LineAbove:
        case Command::LineBelow: {
            bool ok = false;
            const int tab = spool::ReadInteger(lines.nextText(), &ok);
            const double length = inches(lines);
            const double width = lineWidth(lines);
            if (skip || !ok || !TabStops::exists(tab))
                break;
            const bool above = *found == Command::LineAbove;
            double height = y_;
            if (surface_ == Surface::Screen)
                height += above ? 0 : state_.lineHeight;
            else
                height += above ? -printerLineHeight_ / 4.0 : printerLineHeight_ / 1.3;
            drawLine(tab, length, width, height);
            break;
        }
        case Command::Picture: {
            int values[5] = {};
            bool sound = true;
            QByteArray line;
            for (int& value : values) {
                if (!sound || !lines.next(line))
                    break;
                if (isCommand(line)) {  // the picture's lines stop short
                    lines.putBack(line);
                    sound = false;
                    break;
                }
                bool ok = false;
                value = spool::ReadInteger(QString::fromUtf8(line), &ok);
                sound = ok;
            }
            const auto [x, y, width, height, count] = values;
            // A damaged count reads no data lines: they are skipped as lines of no command.
            const bool countOk = sound && count > 0 && count <= spool::MaxPictureLines;
            const SpoolPicture picture = countOk ? readPicture(lines, count) : SpoolPicture();
            if (skip || picture.image.isNull() || width <= 0 || height <= 0 ||
                width > MaxPictureTwips || height > MaxPictureTwips ||
                std::abs(x) > MaxPictureTwips * 2 || std::abs(y) > MaxPictureTwips)
                break;
            const QRectF target(toDevice(x + offset()), toDevice(y_ + y), toDevice(width),
                                toDevice(height));
            // A PDF file takes a JPEG as it is, a tenth of its pixels' size.
            if (pdf::Document* pdf = pdf::Document::of(painter_);
                pdf && !picture.jpeg.isEmpty() &&
                pdf->drawJpeg(painter_.transform().mapRect(target), picture.jpeg,
                              picture.image.size()))
                break;
            painter_.save();
            painter_.setRenderHint(QPainter::SmoothPixmapTransform);
            painter_.drawImage(target, picture.image);
            painter_.restore();
            break;
        }
        case Command::EndOfReport:
            end = PageEnd::EndOfReport;
            return false;
    }
    return true;
}

}  // namespace report
