#pragma once

#include <QTableView>

namespace ui {

// lstMain: the report-style list of movies. Typing a letter jumps to the first title that begins
// with it; Insert and Delete ask for the movie commands; the right button asks for the popup.
class MovieListView : public QTableView {
    Q_OBJECT
public:
    explicit MovieListView(QWidget* parent = nullptr);

    void keyboardSearch(const QString& search) override;

signals:
    // The user moved to another row (a click, a key, type-ahead). Sent once the view has
    // finished with the input, so the current row and the selection already agree.
    void rowChosen();
    void insertPressed();
    void deletePressed();
    void popupRequested(const QPoint& globalPosition);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace ui
