#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace ui {

// picPPshow: the part of the rendered page that fits, from the scroll offset on. Scrolling only
// moves the offset; the page is drawn once.
class PageView final : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent);

    void setPage(const QImage& page);
    void setOffset(const QPoint& offset);
    const QImage& page() const { return page_; }
    // The page's size on the screen, in the widget's pixels.
    QSize pageSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage page_;
    QPoint offset_;
};

}  // namespace ui
