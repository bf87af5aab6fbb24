// The movie list of the main window: its columns, refill, sorting and popup.

#include "db/Catalogue.h"
#include "db/MovieList.h"
#include "settings/Settings.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieFilterIndex.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace ui {

namespace {

// Reading and ordering a big list uses much scratch memory, on two threads; what is freed is
// given back to the system at once instead of being kept for a next time that may not come.
void ReturnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

}  // namespace

void MainWindow::setUpColumns() {
    const int width = list_->viewport()->width();
    for (int column = 0; column < MovieListModel::ColumnCount; ++column)
        list_->setColumnWidth(column, int(width * MovieListModel::widthShare(column)));
    list_->setColumnHidden(MovieListModel::MovieNumber, true);
}

void MainWindow::PopulateLstMain() {
    // The old rows go first, so that they and the new are never held at once.
    model_->clear();
    // The titles are put in order on another core while the genres are read.
    TitleOrder titles;
    db::MovieListRows rows =
        db::ReadMovieList(connection(), search_, [&titles](const db::MovieListRows& read) {
            titles = MovieListModel::OrderTitles(read);
        });
    PopulateLstMain(std::move(rows), std::move(titles));
}

void MainWindow::PopulateLstMain(db::MovieListRows rows) {
    PopulateLstMain(std::move(rows), TitleOrder());
}

void MainWindow::PopulateLstMain(db::MovieListRows rows, TitleOrder&& titles) {
    lblClearSearch_->setVisible(search_.isActive());
    if (rows.empty() && search_.isActive() &&
        ui_.ask(this, tr("Clear Search"),
                tr("Your search no longer finds any movies.  Clear your search?"),
                Buttons::YesNoCancel) == Answer::Yes) {
        search_.clear();
        model_->clear();
        rows = db::ReadMovieList(connection(), search_);
        titles = {};
        lblClearSearch_->hide();
    }
    const int count = int(rows.size());
    EnableMovieFields(count > 0);
    bool ok = false;
    const int column = settings_.value(settings::key::SortCol).toInt(&ok);
    const int order = settings_.value(settings::key::SortOrder).toInt();
    model_->setRows(std::move(rows), ok ? column : 0,
                    order == 1 ? Qt::DescendingOrder : Qt::AscendingOrder, std::move(titles));
    ReturnFreedMemory();
    // A refill follows changes the index has not seen (an import, a renamed list entry): it is
    // made anew, now when the filter is in use, or else when it is next used.
    filterIndex_->clear();
    applyFilter();
    list_->horizontalHeader()->setSortIndicator(model_->sortColumn(), model_->sortOrder());
    if (model_->rowCount() > 0)
        selectRow(0);
    ShowSelectedMovie();
}

void MainWindow::sortBy(int column, Qt::SortOrder order) {
    if (column < 0 || column >= MovieListModel::ColumnCount)
        column = 0;
    model_->sort(column, order);
    list_->horizontalHeader()->setSortIndicator(column, order);
}

void MainWindow::headerClicked(int column) {
    // The same column again turns the order round; another column sorts ascending. The
    // selection and the shown movie stay.
    Qt::SortOrder order = Qt::AscendingOrder;
    if (column == model_->sortColumn() && model_->sortOrder() == Qt::AscendingOrder)
        order = Qt::DescendingOrder;
    sortBy(column, order);
    list_->scrollTo(list_->currentIndex());
    settings_.setValue(settings::key::SortCol, QString::number(column));
    settings_.setValue(settings::key::SortOrder, order == Qt::DescendingOrder ? "1" : "0");
}

int MainWindow::selectedMovieId() const {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid() || !list_->selectionModel()->isRowSelected(current.row(), {}))
        return -1;
    return model_->movieAt(current.row()).movieId;
}

void MainWindow::selectRow(int row) {
    const QModelIndex index = model_->index(row, MovieListModel::Title);
    list_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
}

bool MainWindow::selectMovie(int movieId) {
    const int row = movieId > 0 ? model_->rowOfMovie(movieId) : -1;
    if (row >= 0)
        selectRow(row);
    return row >= 0;
}

void MainWindow::showPopup(const QPoint& position) {
    const int movieId = selectedMovieId();
    if (movieId == -1)
        return;
    popupMovieId_ = movieId;
    menus_->item(QStringLiteral("mnuPopupDelete")).setText(tr("Delete Movie"));
    menus_->popup().popup(position);
}

}  // namespace ui
