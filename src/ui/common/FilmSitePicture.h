#pragma once

#include <QAbstractButton>

namespace ui {

// The clickable picture that looks something up on the film web site (imgIMDb). It has three
// looks: normal, highlighted while the pointer is over it, and greyed while the fields it
// belongs to are disabled. A greyed picture still answers a click. The pictures are drawn here,
// so the program carries no image files.
class FilmSitePicture : public QAbstractButton {
    Q_OBJECT
public:
    enum class Look { Normal, Highlighted, Greyed };

    explicit FilmSitePicture(QWidget* parent = nullptr);

    void setGreyed(bool greyed);
    bool isGreyed() const { return greyed_; }
    Look look() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool greyed_ = false;
    bool hovered_ = false;
};

}  // namespace ui
