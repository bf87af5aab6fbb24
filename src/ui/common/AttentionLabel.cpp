#include "ui/common/AttentionLabel.h"

#include "ui/common/ReadableColour.h"

#include <QEvent>

namespace ui {

namespace {

const QColor Red(0xa0, 0x00, 0x00);

}  // namespace

AttentionLabel::AttentionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    recolour();
}

void AttentionLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        recolour();
}

void AttentionLabel::recolour() {
    QPalette colours = palette();
    const QColor readable = ReadableOn(Red, colours.color(backgroundRole()));
    // Only the text's colour is set here; the window's colour still follows the theme.
    if (colours.color(QPalette::WindowText) == readable &&
        colours.resolveMask() & (quint64(1) << QPalette::WindowText))
        return;
    colours.setColor(QPalette::WindowText, readable);
    setPalette(colours);
}

}  // namespace ui
