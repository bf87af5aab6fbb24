// The filter line above the movie list: narrowing the list as the user types.

#include "ui/common/ErrorReport.h"
#include "ui/common/GroupedNumber.h"
#include "ui/main/FilterLine.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieFilterIndex.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"

#include <QLabel>
#include <QShortcut>
#include <QSignalBlocker>

namespace ui {

void MainWindow::layOutFilter() {
    // The list has the focus first, as before there was a filter line above it: the filter's
    // index is made only for those who use it.
    list_->setFocus();
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        txtFilter_->setFocus(Qt::ShortcutFocusReason);
        txtFilter_->selectAll();
    });
    connect(txtFilter_, &FilterLine::focused, this, &MainWindow::prepareFilter);
    connect(txtFilter_, &QLineEdit::textChanged, this, &MainWindow::filterTyped);
}

void MainWindow::prepareFilter() {
    // Made before the first key, so that typing never waits for it.
    RunCommand(ui_, this, [this] {
        if (!filterIndex_->isBuilt())
            filterIndex_->build(connection());
    });
}

void MainWindow::filterTyped() {
    RunCommand(ui_, this, [this] {
        const int selected = selectedMovieId();
        // The edits of the shown movie are saved before it may leave the list. A refused save
        // keeps it shown with its edits, whatever the list now holds.
        const bool saved = SaveCurrentMovie();
        applyFilter();
        if (selectMovie(selected) || !saved)
            return;
        if (model_->rowCount() > 0)
            selectRow(0);
        ShowSelectedMovie();
    });
}

void MainWindow::applyFilter() {
    const std::vector<QByteArray> words = MovieFilterIndex::wordsOf(txtFilter_->text());
    if (words.empty()) {
        if (model_->isFiltered())
            model_->setFilter({});
    } else {
        if (!filterIndex_->isBuilt())
            filterIndex_->build(connection());
        model_->setFilter(filterIndex_->matching(words));
    }
    showCount();
}

void MainWindow::revealMovie(int movieId) {
    if (model_->rowOfMovie(movieId) >= 0 || !model_->isFiltered())
        return;
    const QSignalBlocker quiet(txtFilter_);
    txtFilter_->clear();
    applyFilter();
}

void MainWindow::showCount() {
    if (model_->isFiltered())
        lblCount_->setText(
            QStringLiteral("Movies on file: %1 of %2")
                .arg(GroupedNumber(model_->rowCount()), GroupedNumber(model_->movieCount())));
    else
        lblCount_->setText(QStringLiteral("Movies on file: %1").arg(model_->movieCount()));
}

}  // namespace ui
