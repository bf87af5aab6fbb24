#pragma once

#include <QSize>
#include <optional>

namespace report {

// Report layout is in inches, page accounting and drawing in twips.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int ScreenDpi = 96;
inline constexpr int TwipsPerPixel = TwipsPerInch / ScreenDpi;
// The preview draws texts and boxes this far in from the edge of its page surface; paper has
// no such edge.
inline constexpr int ScreenOffset = 45;

enum class Orientation { Portrait = 1, Landscape = 2 };
enum class PaperSize { Letter = 1, Legal = 2 };

// Everything that follows from a report's paper size and orientation.
struct PageLayout {
    QSize surface;      // the preview's page surface, twips
    int breakHeight;    // the height the page-break rule counts against, twips
    double frameRight;  // the screen-only page frame's far corner, inches
    double frameBottom;
    double leftTab;  // the page heading's three tabs, inches
    double centreTab;
    double rightTab;
};

PageLayout LayoutOf(PaperSize paper, Orientation orientation);
// The layout for the numbers a spool header holds; nothing for numbers it does not know.
std::optional<PageLayout> LayoutOf(int paperSize, int orientation);

inline int InchesToTwips(double inches) {
    return static_cast<int>(inches * TwipsPerInch + (inches < 0 ? -0.5 : 0.5));
}

}  // namespace report
