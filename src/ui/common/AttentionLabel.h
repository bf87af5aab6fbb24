#pragma once

#include <QLabel>

namespace ui {

// A label in a bold red that stays readable on whatever window colour the theme gives: the red
// is made lighter on a dark background and darker on a light one.
class AttentionLabel : public QLabel {
    Q_OBJECT
public:
    explicit AttentionLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void recolour();
};

}  // namespace ui
