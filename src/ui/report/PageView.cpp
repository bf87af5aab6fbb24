#include "ui/report/PageView.h"

#include <QPainter>

namespace ui {

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picPPshow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PageView::setPage(const QImage& page) {
    page_ = page;
    update();
}

void PageView::setOffset(const QPoint& offset) {
    if (offset == offset_)
        return;
    offset_ = offset;
    update();
}

QSize PageView::pageSize() const {
    return (QSizeF(page_.size()) / page_.devicePixelRatio()).toSize();
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    // A page narrower or lower than the view sits in its middle.
    const QSize page = pageSize();
    const QPoint centring(qMax(0, (width() - page.width()) / 2),
                          qMax(0, (height() - page.height()) / 2));
    painter.drawImage(centring - offset_, page_);
}

}  // namespace ui
