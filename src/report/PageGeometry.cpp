#include "report/PageGeometry.h"

namespace report {

PageLayout LayoutOf(PaperSize paper, Orientation orientation) {
    const bool legal = paper == PaperSize::Legal;
    if (orientation == Orientation::Landscape) {
        return legal ? PageLayout{{20160, 12240}, 12240, 13.5, 7.9, 0.1, 7.0, 13.3}
                     : PageLayout{{15840, 12240}, 12240, 10.45, 7.9, 0.1, 5.5, 10.3};
    }
    return legal ? PageLayout{{12240, 20160}, 20160, 7.9, 13.5, 0.1, 4.0, 7.8}
                 : PageLayout{{12240, 15120}, 15840, 7.9, 10.5, 0.1, 4.0, 7.8};
}

std::optional<PageLayout> LayoutOf(int paperSize, int orientation) {
    if (paperSize < 1 || paperSize > 2 || orientation < 1 || orientation > 2)
        return std::nullopt;
    return LayoutOf(static_cast<PaperSize>(paperSize), static_cast<Orientation>(orientation));
}

}  // namespace report
