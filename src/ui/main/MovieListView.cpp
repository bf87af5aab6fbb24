#include "ui/main/MovieListView.h"

#include "ui/main/ChosenRow.h"

#include "ui/main/MovieListModel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace ui {

// A table without grid or row numbers: its rows all have one height, so a list of 100,000
// movies lays out and sorts without walking every row.
MovieListView::MovieListView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("lstMain"));
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);  // Tab leaves the list for the record fields
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void MovieListView::keyboardSearch(const QString& search) {
    // The walk always starts at the first row, so the same letter again stays where it is.
    if (search.isEmpty() || model() == nullptr)
        return;
    const QString letter = search.right(1).toUpper();
    for (int row = 0; row < model()->rowCount(); ++row) {
        const QModelIndex title = model()->index(row, MovieListModel::Title);
        if (title.data().toString().toUpper().startsWith(letter)) {
            setCurrentIndex(title);
            scrollTo(title);
            return;
        }
    }
}

QModelIndex MovieListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // A list of movies, not a sheet: Home and End go to the first and the last movie.
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

void MovieListView::mousePressEvent(QMouseEvent* event) {
    if (InputMovedTheRow(*this, [&] { QTableView::mousePressEvent(event); }))
        emit rowChosen();
}

void MovieListView::mouseMoveEvent(QMouseEvent* event) {
    if (InputMovedTheRow(*this, [&] { QTableView::mouseMoveEvent(event); }))
        emit rowChosen();
}

void MovieListView::mouseReleaseEvent(QMouseEvent* event) {
    if (InputMovedTheRow(*this, [&] { QTableView::mouseReleaseEvent(event); }))
        emit rowChosen();
}

void MovieListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert) {
        emit insertPressed();
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    if (InputMovedTheRow(*this, [&] { QTableView::keyPressEvent(event); }))
        emit rowChosen();
}

void MovieListView::contextMenuEvent(QContextMenuEvent* event) {
    emit popupRequested(event->globalPos());
}

}  // namespace ui
