#include "MainWindowFixture.h"

#include "db/Movies.h"
#include "db/StoredDate.h"
#include "ui/common/LongWork.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTest>

#include "support/UserInput.h"

namespace test {

MainWindowTest::MainWindowTest() {
    files.open();
}

MainWindowTest::~MainWindowTest() {
    if (window_)
        window_->unload();
}

int MainWindowTest::addMovie(const QString& title, const QString& genreIds, int locationId) {
    db::MovieRecord movie;
    movie.title = title;
    movie.genreIds = genreIds;
    movie.locationId = locationId;
    movie.mediaId = 3;
    movie.ratingId = 4;
    movie.minutes = 90;
    movie.releaseYear = 1980;
    movie.stars = 4;
    movie.acquireDate = db::CatalogueDateTime(QDate(2004, 3, 15));
    return db::InsertMovie(files.connection(), movie);
}

ui::MainWindow& MainWindowTest::openWindow() {
    if (window_)
        window_->unload();
    window_.reset();
    if (!files.catalogue().isOpen())
        files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    window_ = std::make_unique<ui::MainWindow>(ui, files.settings(), files.catalogue());
    window_->show();
    QApplication::setActiveWindow(window_.get());  // so that the window's shortcuts work
    window_->load({});
    return *window_;
}

QStringList MainWindowTest::listedTitles() {
    QStringList titles;
    const ui::MovieListModel& model = window_->movieListModel();
    for (int row = 0; row < model.rowCount(); ++row)
        titles.append(model.movieAt(row).title);
    return titles;
}

int MainWindowTest::selectedRow() {
    const QModelIndex current = window_->movieList().currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString MainWindowTest::selectedTitle() {
    const int row = selectedRow();
    return row < 0 ? QString() : window_->movieListModel().movieAt(row).title;
}

void MainWindowTest::clickRow(int row) {
    test::clickItem(window_->movieList(),
                    window_->movieListModel().index(row, ui::MovieListModel::Title));
}

void MainWindowTest::rightClickRow(int row) {
    test::rightClickItem(window_->movieList(),
                         window_->movieListModel().index(row, ui::MovieListModel::Title));
}

QString MainWindowTest::shownTitle() {
    ui::MovieListView& list = window_->movieList();
    const int row = selectedRow();
    EXPECT_TRUE(row < 0 || list.selectionModel()->isRowSelected(row, {}))
        << "the current row is not selected";
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), row < 0 ? 0 : 1);
    const int shownId = field("txtMovieId").text().toInt();
    EXPECT_EQ(row < 0 ? 0 : window_->movieListModel().movieAt(row).movieId, shownId)
        << "the highlighted row is not the movie shown";
    return field("txtTitle").text();
}

void MainWindowTest::type(const char* name, const QString& text) {
    test::typeInto(field(name), text);
}

void MainWindowTest::click(const char* button) {
    QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
}

void MainWindowTest::trigger(const char* menuItem) {
    test::chooseMenuItem(*window_, menuItem);
}

void MainWindowTest::waitUntilWorkEnds() {
    ASSERT_TRUE(QTest::qWaitFor([] { return !ui::LongWork::running(); }, 60000));
}

QString MainWindowTest::storedTitle(int movieId) {
    return files.connection()
        .scalar(QStringLiteral("SELECT [Title] FROM [Movie] WHERE [MovieId] = ?"), {movieId})
        .toString();
}

int MainWindowTest::count(const QString& sql, int movieId) {
    return files.connection().scalar(sql, {movieId}).toInt();
}

}  // namespace test
