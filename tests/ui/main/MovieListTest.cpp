#include "MainWindowFixture.h"

#include "app/Settings.h"
#include "db/Movies.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
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

TEST_F(MainWindowTest, ListsMoviesByTitleIgnoringCaseWithCountAndFirstSelected) {
    addMovie("star trek");
    addMovie("Alien", "9/13");
    addMovie("Lost", {}, 99);  // its location row is gone
    addMovie("Brazil");
    openWindow();
    EXPECT_EQ(listedTitles(), (QStringList{"Alien", "Brazil", "star trek"}));
    EXPECT_EQ(find<QLabel>("lblCount")->text(), "Movies on file: 3");
    EXPECT_FALSE(find<QLabel>("lblClearSearch")->isVisible());
    EXPECT_EQ(selectedTitle(), "Alien");
    EXPECT_EQ(field("txtTitle").text(), "Alien");
    EXPECT_EQ(field("txtGenres").text(), "Horror / Science Fiction");
    EXPECT_TRUE(window().movieList().isColumnHidden(0));
}

TEST_F(MainWindowTest, AnEmptyCatalogueShowsAnEmptyListAndDisabledFields) {
    openWindow();
    EXPECT_EQ(find<QLabel>("lblCount")->text(), "Movies on file: 0");
    EXPECT_FALSE(field("txtTitle").isEnabled());
    EXPECT_TRUE(find<QWidget>("cmdAddMovie")->isEnabled());
}

TEST_F(MainWindowTest, HeaderClicksToggleTheOrderAndTheSortSurvivesARestart) {
    addMovie("Alien");
    const int brazil = addMovie("Brazil");
    connection().execute("UPDATE [Movie] SET [Minutes] = 120 WHERE [MovieId] = ?", {brazil});
    openWindow();
    selectRow(1);
    QHeaderView* header = window().movieList().horizontalHeader();
    header->sectionClicked(1);
    EXPECT_EQ(listedTitles(), (QStringList{"Brazil", "Alien"}));
    EXPECT_EQ(selectedTitle(), "Brazil") << "the selection stays on its movie";
    EXPECT_EQ(files.settings().value(app::key::SortCol), "1");
    EXPECT_EQ(files.settings().value(app::key::SortOrder), "1");
    header->sectionClicked(5);
    EXPECT_EQ(listedTitles(), (QStringList{"Alien", "Brazil"})) << "090 before 120";
    header->sectionClicked(1);
    header->sectionClicked(1);

    openWindow();
    EXPECT_EQ(listedTitles(), (QStringList{"Brazil", "Alien"}));
    EXPECT_EQ(window().movieList().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(MainWindowTest, TypingALetterSelectsTheFirstTitleBeginningWithIt) {
    for (const char* title : {"Alien", "stalker", "Star Wars", "Brazil"})
        addMovie(title);
    openWindow();
    ui::MovieListView& list = window().movieList();
    QTest::keyClick(&list, Qt::Key_S);
    EXPECT_EQ(selectedTitle(), "stalker");
    QTest::keyClick(&list, Qt::Key_S);
    EXPECT_EQ(selectedTitle(), "stalker") << "the walk starts at the first row again";
    QTest::keyClick(&list, Qt::Key_Z);
    EXPECT_EQ(selectedTitle(), "stalker");
}

TEST_F(MainWindowTest, ASearchThatNoLongerFindsAnythingAsksToClearIt) {
    addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    window().activeSearch().type = db::SearchType::Title;
    window().activeSearch().title = "Zardoz";
    ui.answer(ui::Answer::No);
    window().PopulateLstMain();
    EXPECT_EQ(ui.exchanges().back().title, "Clear Search");
    EXPECT_TRUE(listedTitles().isEmpty());
    EXPECT_TRUE(find<QLabel>("lblClearSearch")->isVisible());
    EXPECT_FALSE(field("txtTitle").isEnabled());

    ui.answer(ui::Answer::Yes);
    window().PopulateLstMain();
    EXPECT_EQ(listedTitles().size(), 2);
    EXPECT_FALSE(window().activeSearch().isActive());
    EXPECT_FALSE(find<QLabel>("lblClearSearch")->isVisible());
}

}  // namespace
