#pragma once

#include "report/ReportFont.h"
#include "report/TabStops.h"

#include <QByteArray>
#include <QColor>
#include <QFont>

class QPainter;

namespace report {

class SpoolLines;

// What a page takes over from the page drawn before it, and a preview from the preview before
// it: a report written later in the same program run may select no font of its own.
struct DrawingState {
    SpoolFont font;
    int lineHeight = 0;  // the height of "X" on the page surface, twips; 0 until measured
    QColor colour = Qt::black;
    TabStops tabs;
};

// The preview's page surface draws everything 45 twips in, screen-only commands included;
// paper skips those and fits its font to what the surface showed.
enum class Surface { Screen, Paper };

enum class PageEnd { NewPage, EndOfReport, EndOfFile };

// Carries out the drawing commands of a spool file on a painter: the one drawing of a report's
// pages that the preview, the printer and PDF output share. Positions are twips from the
// painter's origin, converted at the device's resolution.
class PageDrawer {
public:
    PageDrawer(QPainter& painter, Surface surface, DrawingState& state);

    // Draws from lines until the page ends, starting at the top of the page. The state is left
    // as the page leaves it, for the next one.
    PageEnd drawPage(SpoolLines& lines);

private:
    // False when the line ended the page.
    bool carryOut(const QByteArray& command, SpoolLines& lines, PageEnd& end);
    void selectFont(SpoolFont font);
    void applyFont();
    void drawText(const QString& text, int tab);
    void drawBox(double x1, double y1, double x2, double y2, double width);
    void drawLine(int tab, double length, double width, double height);
    double textWidth(const QString& text);
    int lineStep() const { return printerLineHeight_ + extraLineHeight_; }
    double toDevice(double twips) const;
    double offset() const;

    QPainter& painter_;
    Surface surface_;
    DrawingState& state_;
    double dpi_;
    double pageHeight_;  // twips
    ScreenMetrics screen_;
    QFont deviceFont_;
    double ascent_ = 0;  // of the device font, device units
    double printerSize_ = 0;
    int printerLineHeight_ = 0;  // paper: the height of "X" in the printer's font
    int extraLineHeight_ = 0;    // paper: how much higher a line is on the screen
    double y_ = 0;               // twips
    int tab_ = 0;
    bool screenOnly_ = false;
};

}  // namespace report
