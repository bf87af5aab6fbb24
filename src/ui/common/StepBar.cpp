#include "ui/common/StepBar.h"

#include <algorithm>
#include <cmath>

namespace ui {

StepBar::StepBar(int frameWidth, int height, QWidget* parent)
    : QFrame(parent), foreground_(new QFrame(this)) {
    setObjectName(QStringLiteral("shpBackground"));
    foreground_->setObjectName(QStringLiteral("shpForeground"));
    setFixedSize(frameWidth, height);
    // The theme's colours: the bar as a selection on the field colour, readable light or dark.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFrameShape(QFrame::Box);
    setForegroundRole(QPalette::Mid);
    foreground_->setAutoFillBackground(true);
    foreground_->setBackgroundRole(QPalette::Highlight);
    foreground_->setGeometry(0, 0, 0, height);
    SetProgress(0);
}

void StepBar::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void StepBar::SetProgress(int value) {
    value_ = value;
    const double steps = double(maximum_) - double(minimum_) + 1.0;
    double share = steps != 0.0 ? double(value) / steps : 0.0;
    if (!std::isfinite(share))
        share = 0.0;
    const int width = std::clamp(static_cast<int>(share * this->width()), 0, this->width());
    foreground_->setGeometry(0, 0, width, height());
}

int StepBar::barWidth() const {
    return foreground_->width();
}

}  // namespace ui
