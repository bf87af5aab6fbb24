#include "MainWindowFixture.h"

#include "ui/common/ProgressWindow.h"
#include "ui/common/ReadableColour.h"
#include "ui/common/StepBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>

namespace {

struct Theme {
    const char* name;
    QPalette (*palette)();
};

void PrintTo(const Theme& theme, std::ostream* out) {
    *out << theme.name;
}

QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, window},
             {QPalette::WindowText, Qt::white},
             {QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},
             {QPalette::AlternateBase, QColor(0x42, 0x42, 0x42)},
             {QPalette::Text, Qt::white},
             {QPalette::Button, window},
             {QPalette::ButtonText, Qt::white},
             {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)},
             {QPalette::HighlightedText, Qt::black},
             {QPalette::Link, QColor(0x5a, 0xa8, 0xff)},
             {QPalette::Mid, QColor(0x80, 0x80, 0x80)}})
        dark.setColor(role, colour);
    return dark;
}

QPalette highContrastPalette() {
    QPalette contrast;  // white text on black everywhere, selections in yellow
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button,
                                           QPalette::AlternateBase, QPalette::HighlightedText})
        contrast.setColor(role, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Mid})
        contrast.setColor(role, Qt::white);
    contrast.setColor(QPalette::Highlight, Qt::yellow);
    contrast.setColor(QPalette::Link, Qt::cyan);
    return contrast;
}

// The colour of the rendered widget that stands out most from its most common colour (the
// background): the core of its letters, whatever the anti-aliasing around them.
double renderedContrast(QWidget& widget) {
    const QImage shot = widget.grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ++counts[shot.pixel(x, y)];
    QRgb background = 0;
    for (auto each = counts.cbegin(); each != counts.cend(); ++each)
        if (each.value() > counts.value(background))
            background = each.key();
    double best = 1;
    for (auto each = counts.cbegin(); each != counts.cend(); ++each)
        best = std::max(best, ui::ContrastRatio(QColor(each.key()), QColor(background)));
    return best;
}

// The text colour against the colour it is drawn on, by the widget's own roles.
double paletteContrast(const QWidget& widget) {
    const QPalette& colours = widget.palette();
    if (qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QComboBox*>(&widget))
        return ui::ContrastRatio(colours.color(QPalette::Text), colours.color(QPalette::Base));
    if (qobject_cast<const QAbstractButton*>(&widget))
        return ui::ContrastRatio(colours.color(QPalette::ButtonText),
                                 colours.color(QPalette::Button));
    return ui::ContrastRatio(colours.color(widget.foregroundRole()),
                             colours.color(widget.backgroundRole()));
}

class ThemeContrast : public test::MainWindowTest, public testing::WithParamInterface<Theme> {
protected:
    ThemeContrast() : previousPalette_(QApplication::palette()) {
        previousStyle_ = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(GetParam().palette());
    }
    ~ThemeContrast() override {
        QApplication::setStyle(QStyleFactory::create(previousStyle_));
        QApplication::setPalette(previousPalette_);
    }

    // Every enabled control with text in the window meets the ratio for text.
    void expectReadable(QWidget& window) {
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool hasText =
                qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget);
            if (!hasText || !widget->isVisible() || !widget->isEnabled() ||
                widget->objectName() == "imgIMDb")  // a picture with colours of its own
                continue;
            EXPECT_GE(paletteContrast(*widget), 4.5)
                << GetParam().name << ": " << widget->metaObject()->className() << " "
                << widget->objectName().toStdString() << " "
                << widget->palette().color(widget->foregroundRole()).name().toStdString() << " on "
                << widget->palette().color(widget->backgroundRole()).name().toStdString();
        }
    }

private:
    QPalette previousPalette_;
    QString previousStyle_;
};

TEST_P(ThemeContrast, TheWindowTheSearchBannerAndTheProgressWindowStayReadable) {
    addMovie("Alien");
    openWindow();
    auto* banner = find<QLabel>("lblClearSearch");
    banner->show();  // as a search shows it
    expectReadable(window());
    for (const char* label : {"lblClearSearch", "lblCount"})
        EXPECT_GE(renderedContrast(*find<QLabel>(label)), 4.5) << GetParam().name << " " << label;

    ui::ProgressWindow progress(&window(), {});
    progress.showCancelButton(true);
    progress.show();
    expectReadable(progress);
    EXPECT_GE(renderedContrast(*progress.findChild<QLabel*>("lblStatus")), 4.5);
    // The bar half full: the filled part stands out from the empty one (3 for shapes).
    auto* bar = progress.findChild<ui::StepBar*>("shpBackground");
    ASSERT_NE(bar, nullptr);
    bar->setRange(1, 10);
    bar->SetProgress(5);
    const QImage drawn = bar->grab().toImage();
    const int middle = drawn.height() / 2;
    EXPECT_GE(
        ui::ContrastRatio(drawn.pixelColor(3, middle), drawn.pixelColor(drawn.width() - 4, middle)),
        3.0)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Themes, ThemeContrast,
                         testing::Values(Theme{"Dark", darkPalette},
                                         Theme{"HighContrast", highContrastPalette}),
                         [](const testing::TestParamInfo<Theme>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
