#include "MainWindowFixture.h"

#include "db/MovieDetails.h"
#include "db/Movies.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/RecordFieldText.h"
#include "ui/main/RecordView.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

using test::MainWindowTest;

TEST(RecordFieldText, NumbersAndAmountsReadBackAsTyped) {
    EXPECT_EQ(ui::StarsText(4), "4.0");
    EXPECT_EQ(ui::WholeNumberText(0), "");
    EXPECT_EQ(ui::WholeNumberFromText("95 min"), 95);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ui::CostText(db::Currency::fromDouble(12.5), us), "$12.50");
    EXPECT_EQ(ui::CostFromText("$12.50", us), db::Currency::fromDouble(12.5));
    EXPECT_EQ(ui::CostFromText("$1,299.50", us), db::Currency::fromDouble(1299.5));
    // The user's own locale writes the amount its way and reads it back the same.
    const QLocale germany(QLocale::German, QLocale::Germany);
    const QString german = ui::CostText(db::Currency::fromDouble(12.5), germany);
    EXPECT_EQ(ui::CostFromText(german, germany), db::Currency::fromDouble(12.5))
        << german.toStdString();
    EXPECT_EQ(ui::CostFromText("12.5", germany), db::Currency::fromDouble(12.5));
    EXPECT_EQ(ui::CostFromText("abc", us), db::Currency());
}

TEST_F(MainWindowTest, ShowsEveryFieldInItsFormat) {
    const int id = addMovie("Alien", "9");
    connection().execute(
        "UPDATE [Movie] SET [LentDate] = '1850-01-01 00:00:00', [Minutes] = 0, "
        "[Notes] = 'one' || char(10) || 'two' WHERE [MovieId] = ?",
        {id});
    db::SetMovieCast(connection(), id, {"Sigourney Weaver", "John Hurt?", "Ian Holm"});
    openWindow();
    EXPECT_EQ(field("txtStars").text(), "4.0");
    EXPECT_EQ(field("txtMinutes").text(), "");
    EXPECT_EQ(field("txtYear").text(), "1980");
    EXPECT_EQ(field("txtAcquireDate").text(), "03/15/2004");
    EXPECT_EQ(field("txtLentDate").text(), "") << "a date before 1900 is no date";
    EXPECT_EQ(find<QComboBox>("cboLocation")->currentText(), "Living Room");
    EXPECT_EQ(find<QComboBox>("cboMedia")->currentText(), "DVD");
    EXPECT_EQ(find<QComboBox>("cboRating")->currentText(), "PG-13");
    EXPECT_EQ(find<QListWidget>("lstActors")->count(), 1) << "only actors that exist";
    EXPECT_EQ(find<QPlainTextEdit>("txtNotes")->toPlainText(), "one\ntwo");
    EXPECT_FALSE(window().AnyChanges());
    EXPECT_FALSE(find<QPushButton>("cmdSaveChanges")->isEnabled());
}

TEST_F(MainWindowTest, AnEditMarksTheMovieAndSaveChangesWritesItInPlace) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    type("txtStars", "4.5");
    EXPECT_TRUE(window().AnyChanges());
    EXPECT_TRUE(find<QPushButton>("cmdSaveChanges")->isEnabled());
    type("txtAcquireDate", "");
    type("txtCost", "12.5");
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window().AnyChanges());
    const db::MovieDetails stored = *db::ReadMovie(connection(), alien);
    EXPECT_EQ(stored.record.stars, 4.5);
    EXPECT_FALSE(stored.record.acquireDate.isValid());
    EXPECT_EQ(stored.record.cost, db::Currency::fromDouble(12.5));
    EXPECT_EQ(window().movieListModel().index(0, 7).data().toString(), "4.5");
    window().ShowSelectedMovie();
    EXPECT_EQ(field("txtAcquireDate").text(), "");
    EXPECT_TRUE(ui.exchanges().empty());
}

TEST_F(MainWindowTest, ARenamedMovieIsResortedAndStaysSelected) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    addMovie("Casablanca");
    openWindow();
    type("txtTitle", "Zulu");
    click("cmdSaveChanges");
    EXPECT_EQ(storedTitle(alien), "Zulu");
    EXPECT_EQ(listedTitles(), (QStringList{"Brazil", "Casablanca", "Zulu"}));
    EXPECT_EQ(selectedTitle(), "Zulu");
    EXPECT_EQ(field("txtTitle").text(), "Zulu");
}

TEST_F(MainWindowTest, ARenameTheTitleSearchNoLongerFindsAsksToClearTheSearch) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    window().activeSearch().type = db::SearchType::Title;
    window().activeSearch().title = "Alien";
    window().PopulateLstMain();
    type("txtTitle", "Aliens");
    ui.answer(ui::Answer::Yes);
    click("cmdSaveChanges");
    EXPECT_EQ(ui.exchanges().at(0).title, "Clear Search");
    EXPECT_EQ(storedTitle(alien), "Aliens");
    EXPECT_EQ(listedTitles(), (QStringList{"Aliens", "Brazil"}));
    EXPECT_EQ(selectedTitle(), "Aliens");
}

struct AddItCase {
    ui::Answer answer;
    bool rowWritten;
    bool stillChanged;
};

class AddItQuestion : public MainWindowTest, public testing::WithParamInterface<AddItCase> {};

TEST_P(AddItQuestion, WritesTheCastAlwaysAndTheMovieOnlyOnYes) {
    const AddItCase& c = GetParam();
    const int alien = addMovie("Alien");
    openWindow();
    find<QListWidget>("lstActors")->addItem("Sigourney Weaver");
    find<QComboBox>("cboLocation")->setEditText("Attic");
    type("txtLabelNumber", "X-1");
    ui.answer(c.answer);
    const bool saved = window().SaveCurrentMovie();
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Add Location?");
    EXPECT_EQ(ui.exchanges()[0].text, "Location 'Attic' does not exist.  Add it?");
    EXPECT_EQ(saved, c.answer != ui::Answer::No);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] = ?", alien), 1);
    EXPECT_EQ(
        count("SELECT COUNT(*) FROM [Movie] WHERE [LabelNumber] = 'X-1' AND [MovieId] = ?", alien),
        c.rowWritten ? 1 : 0);
    EXPECT_EQ(connection().scalar("SELECT COUNT(*) FROM [Location] WHERE [Name] = 'Attic'"),
              c.rowWritten ? 1 : 0);
    EXPECT_EQ(window().AnyChanges(), c.stillChanged);
    EXPECT_EQ(find<QPushButton>("cmdSaveChanges")->isEnabled(), c.stillChanged);
}

INSTANTIATE_TEST_SUITE_P(Answers, AddItQuestion,
                         testing::Values(AddItCase{ui::Answer::Yes, true, false},
                                         AddItCase{ui::Answer::No, false, true},
                                         AddItCase{ui::Answer::Cancel, false, false}));

TEST_F(MainWindowTest, AddMovieAddsANewMovieAndSelectsItsTitleForTyping) {
    addMovie("Alien");
    openWindow();
    click("cmdAddMovie");
    EXPECT_EQ(selectedTitle(), "New Movie");
    EXPECT_EQ(field("txtTitle").selectedText(), "New Movie");
    EXPECT_EQ(field("txtGenres").text(), "Animation") << "the first genre by name";
    EXPECT_EQ(find<QComboBox>("cboLocation")->currentText(), "(none)");
    EXPECT_FALSE(field("txtAcquireDate").text().isEmpty());
}

TEST_F(MainWindowTest, AddMovieShowsAnExistingNewMovieAndDeletesNothing) {
    const int kept = addMovie("New Movie", "4");
    db::SetMovieCast(connection(), kept, {"Cher"});
    addMovie("Zulu");
    openWindow();
    selectRow(1);
    click("cmdAddMovie");
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Movie] WHERE [MovieId] = ?", kept), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] = ?", kept), 1);
    EXPECT_EQ(listedTitles().size(), 2);
    EXPECT_EQ(selectedTitle(), "New Movie");
    EXPECT_EQ(field("txtMovieId").text().toInt(), kept);
}

TEST_F(MainWindowTest, DeleteRemovesTheMovieWithItsCastAndGenres) {
    const int alien = addMovie("Alien", "9/13");
    db::SetMovieCast(connection(), alien, {"Sigourney Weaver"});
    addMovie("Brazil");
    openWindow();
    ui.answer(ui::Answer::No);
    click("cmdDeleteMovie");
    EXPECT_EQ(ui.exchanges()[0].text, "Delete movie 'Alien'?");
    EXPECT_EQ(ui.exchanges()[0].title, "Delete Warning");
    EXPECT_EQ(listedTitles().size(), 2);
    ui.answer(ui::Answer::Yes);
    QTest::keyClick(&window().movieList(), Qt::Key_Delete);
    EXPECT_EQ(listedTitles(), QStringList{"Brazil"});
    EXPECT_EQ(count("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] = ?", alien), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [MovieGenre] WHERE [MovieId] = ?", alien), 0);
    EXPECT_EQ(field("txtTitle").text(), "Brazil");
}

TEST_F(MainWindowTest, NextAndPreviousStopAtTheEnds) {
    addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    click("cmdPreviousMovie");
    EXPECT_EQ(selectedTitle(), "Alien");
    click("cmdNextMovie");
    EXPECT_EQ(field("txtTitle").text(), "Brazil");
    click("cmdNextMovie");
    EXPECT_EQ(selectedTitle(), "Brazil");
    EXPECT_TRUE(find<QPushButton>("cmdNextMovie")->isEnabled());
    trigger("mnuFilePreviousMovie");
    EXPECT_EQ(field("txtTitle").text(), "Alien");
    EXPECT_TRUE(ui.exchanges().empty());
}

TEST_F(MainWindowTest, AFailingSaveIsReportedAndTheEditsStay) {
    const int alien = addMovie("Alien");
    openWindow();
    connection().execute(
        "CREATE TRIGGER [locked] BEFORE UPDATE ON [Movie] "
        "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END");
    type("txtTitle", "Aliens");
    ui.acknowledge();
    EXPECT_FALSE(window().SaveCurrentMovie());
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Error");
    EXPECT_TRUE(ui.exchanges()[0].text.contains("the disk is full"));
    EXPECT_TRUE(window().AnyChanges());
    EXPECT_EQ(storedTitle(alien), "Alien");
    connection().execute("DROP TRIGGER [locked]");
    EXPECT_TRUE(window().SaveCurrentMovie());
    EXPECT_EQ(storedTitle(alien), "Aliens");
}

}  // namespace
