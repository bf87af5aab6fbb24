#include "MainWindowFixture.h"

#include "db/Movies.h"
#include "db/StoredDate.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTest>

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

void MainWindowTest::selectRow(int row) {
    ui::MovieListView& list = window_->movieList();
    list.selectionModel()->setCurrentIndex(
        list.model()->index(row, 1),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void MainWindowTest::type(const char* name, const QString& text) {
    QLineEdit& edit = field(name);
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, text);
    if (text.isEmpty())
        QTest::keyClick(&edit, Qt::Key_Delete);
}

void MainWindowTest::click(const char* button) {
    QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
}

void MainWindowTest::trigger(const char* menuItem) {
    window_->menus().item(QString::fromLatin1(menuItem)).trigger();
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
