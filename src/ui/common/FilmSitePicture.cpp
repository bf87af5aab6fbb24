#include "ui/common/FilmSitePicture.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {

struct Colours {
    QColor background;
    QColor border;
    QColor text;
};

Colours coloursFor(FilmSitePicture::Look look) {
    switch (look) {
        case FilmSitePicture::Look::Normal:
            return {QColor(0xF5, 0xC5, 0x18), QColor(0xB8, 0x92, 0x0C), Qt::black};
        case FilmSitePicture::Look::Highlighted:
            return {QColor(0xFF, 0xDD, 0x55), QColor(0x1E, 0x5A, 0xC8), Qt::black};
        case FilmSitePicture::Look::Greyed:
            return {QColor(0xD8, 0xD8, 0xD8), QColor(0xA8, 0xA8, 0xA8), QColor(0x90, 0x90, 0x90)};
    }
    return {};
}

}  // namespace

FilmSitePicture::FilmSitePicture(QWidget* parent) : QAbstractButton(parent) {
    setObjectName(QStringLiteral("imgIMDb"));
    setText(QStringLiteral("IMDb"));
    setToolTip(tr("Look it up on the film web site"));
    setAccessibleName(QStringLiteral("IMDb"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void FilmSitePicture::setGreyed(bool greyed) {
    if (greyed_ == greyed)
        return;
    greyed_ = greyed;
    update();
}

FilmSitePicture::Look FilmSitePicture::look() const {
    if (hovered_)
        return Look::Highlighted;
    return greyed_ ? Look::Greyed : Look::Normal;
}

QSize FilmSitePicture::sizeHint() const {
    return {64, 32};
}

void FilmSitePicture::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FilmSitePicture::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void FilmSitePicture::paintEvent(QPaintEvent*) {
    const Colours colours = coloursFor(look());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath shape;
    shape.addRoundedRect(frame, 5, 5);
    painter.fillPath(shape, colours.background);
    painter.setPen(QPen(colours.border, look() == Look::Highlighted ? 2.5 : 1.5));
    painter.drawPath(shape);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(8, height() / 2));
    painter.setFont(font);
    painter.setPen(colours.text);
    painter.drawText(frame, Qt::AlignCenter, text());

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRoundedRect(frame.adjusted(3, 3, -3, -3), 3, 3);
    }
}

}  // namespace ui
