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
    void insertPressed();
    void deletePressed();
    void popupRequested(const QPoint& globalPosition);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace ui
