#pragma once

#include <QLineEdit>

namespace ui {

// txtFilter: the line above the movie list that narrows it as the user types. Esc here clears
// the line and goes no further: the window's own Esc must not close the window from here.
class FilterLine : public QLineEdit {
    Q_OBJECT
public:
    explicit FilterLine(QWidget* parent = nullptr);

signals:
    // Focus came in (a click, Tab, Ctrl+F): the moment to get ready for typing.
    void focused();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace ui
