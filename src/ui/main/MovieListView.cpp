#include "ui/main/MovieListView.h"

#include "ui/main/MovieListModel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace ui {

MovieListView::MovieListView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("lstMain"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);  // keeps a list of 100,000 rows quick
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setStretchLastSection(false);
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

void MovieListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert) {
        emit insertPressed();
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void MovieListView::contextMenuEvent(QContextMenuEvent* event) {
    emit popupRequested(event->globalPos());
}

}  // namespace ui
