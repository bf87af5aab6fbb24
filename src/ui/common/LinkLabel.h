#pragma once

#include <QLabel>

namespace ui {

// A text shown as a web link: the hand pointer over it, a click or Enter/Space on it sends
// clicked(). It takes the keyboard focus, so the link can be reached without a mouse.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui
