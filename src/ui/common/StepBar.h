#pragma once

#include <QFrame>

namespace ui {

// The bar of the splash and progress windows: a grey frame (shpBackground) and a filled bar
// (shpForeground) as wide as the share of steps reached.
class StepBar : public QFrame {
    Q_OBJECT
public:
    StepBar(int frameWidth, int height, QWidget* parent);

    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int value() const { return value_; }
    // Stores the value and sizes the bar: value / (Maximum - Minimum + 1) of the frame, kept
    // within the frame. A range without steps shows an empty bar.
    void SetProgress(int value);
    int barWidth() const;

private:
    QFrame* foreground_;
    int minimum_ = 0;
    int maximum_ = 0;
    int value_ = 0;
};

}  // namespace ui
