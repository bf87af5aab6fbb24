#include "MainWindowFixture.h"

#include "db/Movies.h"
#include "settings/Settings.h"
#include "support/UserInput.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace {

using test::MainWindowTest;

TEST(MovieListModel, BehavesAsAnItemModelAndFormatsItsCells) {
    ui::MovieListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    db::MovieListRow seven{7, "Alien", "Horror", "Shelf", "A-1", 0, 0, 4};
    db::MovieListRow big{123456, "Brazil", "(none)", "Shelf", "B", 142, 1985, 4.5};
    model.setRows({seven, big}, ui::MovieListModel::Title, Qt::AscendingOrder);
    EXPECT_EQ(model.index(0, 0).data().toString(), "00007");
    EXPECT_EQ(model.index(1, 0).data().toString(), "123456");
    EXPECT_EQ(model.index(0, 5).data().toString(), "000");
    EXPECT_EQ(model.index(0, 6).data().toString(), "0");
    EXPECT_EQ(model.index(0, 7).data().toString(), "4");
    EXPECT_EQ(model.index(1, 7).data().toString(), "4.5");
    EXPECT_EQ(model.headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), "Label #");
    model.sort(ui::MovieListModel::Title, Qt::DescendingOrder);
    EXPECT_EQ(model.movieAt(0).title, "Brazil");
    model.updateMovie({7, "Zulu", "Horror", "Shelf", "A-1", 0, 0, 4});
    EXPECT_EQ(model.movieAt(1).title, "Zulu") << "a rewrite stays where it stands";
}

// Cells sort as their text ignoring case, the numbers as they are written; equal cells keep
// title order, and equal titles movie number order, in either direction.
TEST(MovieListModel, SortsEveryColumnAsTextWithTiesInTitleOrder) {
    using Model = ui::MovieListModel;
    const std::vector<db::MovieListRow> rows = {
        {7, "alien", "Horror", "Shelf", "b-2", 90, 1999, 4.5},
        {99999, "Brazil", "comedy", "attic", "B-10", 1000, 999, 10},
        {123456, "ALIEN", "Drama", "Shelf", "a", 120, 0, 4.5},
        {12, "Casablanca", "comedy", "Attic", "b-2", 90, 2005, -0.0},
    };
    const std::pair<int, std::vector<int>> cases[] = {
        {Model::MovieNumber, {7, 12, 123456, 99999}},  // 00007, 00012, 123456, 99999
        {Model::Title, {7, 123456, 99999, 12}},       {Model::Genre, {99999, 12, 123456, 7}},
        {Model::Location, {99999, 12, 7, 123456}},    {Model::Label, {123456, 99999, 7, 12}},
        {Model::Minutes, {7, 12, 99999, 123456}},  // 090, 090, 1000, 120
        {Model::Year, {123456, 7, 12, 99999}},     // 0, 1999, 2005, 999
        {Model::Stars, {12, 99999, 7, 123456}},    // -0, 10, 4.5, 4.5
    };
    ui::MovieListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    auto order = [&] {
        std::vector<int> ids;
        for (int row = 0; row < model.rowCount(); ++row)
            ids.push_back(model.movieAt(row).movieId);
        return ids;
    };
    for (const auto& [column, ascending] : cases) {
        model.setRows(rows, column, Qt::AscendingOrder);
        EXPECT_EQ(order(), ascending) << "column " << column;
        model.sort(Model::Title, Qt::AscendingOrder);
        model.sort(column, Qt::AscendingOrder);
        EXPECT_EQ(order(), ascending) << "column " << column << " sorted again";
    }
    model.sort(Model::Stars, Qt::DescendingOrder);
    EXPECT_EQ(order(), (std::vector<int>{7, 123456, 99999, 12})) << "ties stay in title order";
    model.sort(Model::Title, Qt::DescendingOrder);
    EXPECT_EQ(order(), (std::vector<int>{12, 99999, 7, 123456}))
        << "equal titles stay in movie number order";
}

TEST_F(MainWindowTest, ListsMoviesByTitleIgnoringCaseWithCountAndFirstShown) {
    addMovie("star trek");
    addMovie("Alien", "9/13");
    addMovie("Lost", {}, 99);  // its location row is gone
    addMovie("Brazil");
    openWindow();
    EXPECT_EQ(listedTitles(), (QStringList{"Alien", "Brazil", "star trek"}));
    EXPECT_EQ(find<QLabel>("lblCount")->text(), "Movies on file: 3");
    EXPECT_FALSE(find<QLabel>("lblClearSearch")->isVisible());
    EXPECT_EQ(shownTitle(), "Alien");
    EXPECT_EQ(field("txtGenres").text(), "Horror / Science Fiction");
    EXPECT_TRUE(window().movieList().isColumnHidden(0));
}

// Whatever moves the highlight shows that movie, so that Delete, Next and the popup act on
// what the user sees.
TEST_F(MainWindowTest, EveryWayOfMovingInTheListShowsTheHighlightedMovie) {
    for (const char* title : {"Alien", "Brazil", "Casablanca", "Dune", "Eraserhead"})
        addMovie(title);
    openWindow();
    ui::MovieListView& list = window().movieList();
    clickRow(2);
    EXPECT_EQ(shownTitle(), "Casablanca");
    rightClickRow(1);
    EXPECT_EQ(shownTitle(), "Brazil");
    window().menus().popup().close();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list.visualRect(list.currentIndex()).center());
    EXPECT_EQ(shownTitle(), "Brazil") << "Ctrl+click leaves the row selected";
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Down, "Casablanca"}, {Qt::Key_Up, "Brazil"},           {Qt::Key_End, "Eraserhead"},
        {Qt::Key_PageUp, "Alien"},    {Qt::Key_PageDown, "Eraserhead"}, {Qt::Key_Home, "Alien"},
        {Qt::Key_D, "Dune"}};
    for (const auto& [key, title] : keys) {
        QTest::keyClick(&list, key);
        EXPECT_EQ(shownTitle(), title) << QKeySequence(key).toString().toStdString();
    }
    ui.answer(ui::Answer::Yes);
    click("cmdDeleteMovie");
    EXPECT_EQ(ui.texts(), QStringList{"Delete movie 'Dune'?"});
}

TEST_F(MainWindowTest, AClickAfterAnEditSavesItAndShowsTheClickedMovie) {
    const int alien = addMovie("Alien");
    for (const char* title : {"Brazil", "Casablanca", "Dune"})
        addMovie(title);
    openWindow();
    type("txtTitle", "Zulu");
    clickRow(2);
    EXPECT_EQ(storedTitle(alien), "Zulu");
    EXPECT_EQ(listedTitles(), (QStringList{"Brazil", "Casablanca", "Dune", "Zulu"}));
    EXPECT_EQ(shownTitle(), "Casablanca") << "the movie clicked, where it now stands";
    click("cmdPreviousMovie");
    EXPECT_EQ(shownTitle(), "Brazil");
    EXPECT_TRUE(ui.exchanges().empty());
}

TEST_F(MainWindowTest, HeaderClicksToggleTheOrderAndTheSortSurvivesARestart) {
    addMovie("Alien");
    const int brazil = addMovie("Brazil");
    connection().execute("UPDATE [Movie] SET [Minutes] = 120 WHERE [MovieId] = ?", {brazil});
    openWindow();
    clickRow(1);
    auto clickHeader = [this](int column) {
        QHeaderView* header = window().movieList().horizontalHeader();
        const int middle =
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(middle, 5));
    };
    clickHeader(1);
    EXPECT_EQ(listedTitles(), (QStringList{"Brazil", "Alien"}));
    EXPECT_EQ(shownTitle(), "Brazil") << "the selection stays on its movie";
    EXPECT_EQ(files.settings().value(settings::key::SortCol), "1");
    EXPECT_EQ(files.settings().value(settings::key::SortOrder), "1");
    clickHeader(5);
    EXPECT_EQ(listedTitles(), (QStringList{"Alien", "Brazil"})) << "090 before 120";
    clickHeader(1);
    clickHeader(1);

    openWindow();
    EXPECT_EQ(listedTitles(), (QStringList{"Brazil", "Alien"}));
    EXPECT_EQ(window().movieList().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(MainWindowTest, TypingALetterShowsTheFirstTitleBeginningWithIt) {
    for (const char* title : {"Alien", "stalker", "Star Wars", "Brazil"})
        addMovie(title);
    openWindow();
    ui::MovieListView& list = window().movieList();
    QTest::keyClick(&list, Qt::Key_S);
    EXPECT_EQ(shownTitle(), "stalker");
    QTest::keyClick(&list, Qt::Key_S);
    EXPECT_EQ(selectedTitle(), "stalker") << "the walk starts at the first row again";
    QTest::keyClick(&list, Qt::Key_Z);
    EXPECT_EQ(shownTitle(), "stalker");
}

}  // namespace
