#pragma once

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace ui {

// A press makes a row current before it selects it, and a Ctrl+click can leave the current row
// unselected. A view of the movies tells the window of a move only after it has handled the
// input, with the current row selected, so that what is highlighted is what gets shown, deleted
// or stepped from. True when the input moved to another row.
template <typename Handler>
bool InputMovedTheRow(QAbstractItemView& view, Handler&& handle) {
    const int before = view.currentIndex().row();
    handle();
    const QModelIndex now = view.currentIndex();
    if (!now.isValid())
        return false;
    if (!view.selectionModel()->isRowSelected(now.row(), {}))
        view.selectionModel()->select(
            now, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return now.row() != before;
}

}  // namespace ui
