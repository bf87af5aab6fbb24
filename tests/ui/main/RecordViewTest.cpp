#include "MainWindowFixture.h"

#include "db/LookupTable.h"
#include "db/MovieDetails.h"
#include "db/Movies.h"
#include "support/UserInput.h"
#include "ui/common/FilmSitePicture.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/RecordFieldText.h"
#include "ui/main/RecordView.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

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
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::Portuguese, QLocale::Brazil)}) {
        const QString text = ui::CostText(db::Currency::fromDouble(123456.78), locale);
        EXPECT_EQ(ui::CostFromText(text, locale), db::Currency::fromDouble(123456.78))
            << text.toStdString();
    }
    EXPECT_EQ(ui::CostFromText("abc", us), db::Currency()) << "no number reads as nothing spent";
    EXPECT_EQ(ui::CostFromText("-900,000,000,000,000", us),
              db::Currency::fromTenThousandths(-9000000000000000000));
    for (const char* notAnAmount : {"NaN", "inf", "-inf", "1e30", "922337203685477.59"})
        EXPECT_EQ(ui::CostFromText(notAnAmount, us), std::nullopt) << notAnAmount;
    for (const char* number : {"", " 95 min", "-.5", "+3", "12-3"})
        EXPECT_TRUE(ui::IsNumberText(number)) << number;
    for (const char* none : {"L000", "abc", ".", "-", "١٢"})
        EXPECT_FALSE(ui::IsNumberText(QString::fromUtf8(none))) << none;
    for (const char* cost : {"$12.50", "$1,299.50", " 7", ""})
        EXPECT_TRUE(ui::IsCostText(cost, us)) << cost;
    EXPECT_TRUE(ui::IsCostText(ui::CostText(db::Currency::fromDouble(9.5), QLocale::German),
                               QLocale::German));
    EXPECT_FALSE(ui::IsCostText("L000", us));
}

TEST_F(MainWindowTest, ShowsEveryFieldWholeAndInItsFormat) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const int id = addMovie("Alien", "9");
    connection().execute(
        "UPDATE [Movie] SET [LentDate] = '1850-01-01 00:00:00', [Minutes] = 12345, "
        "[Stars] = 12.5, [Cost] = 123456.78, [Notes] = 'one' || char(10) || 'two' "
        "WHERE [MovieId] = ?",
        {id});
    db::SetMovieCast(connection(), id, {"Sigourney Weaver", "John Hurt?", "Ian Holm"});
    const int weaver = db::FindLookupId(connection(), db::LookupTable::Actor, "Sigourney Weaver");
    connection().execute("INSERT INTO [MovieActor] VALUES (?, ?)", {id, weaver});
    openWindow();
    EXPECT_EQ(field("txtStars").text(), "12.5");
    EXPECT_EQ(field("txtMinutes").text(), "12345");
    EXPECT_EQ(field("txtCost").text(), "$123,456.78");
    EXPECT_EQ(field("txtYear").text(), "1980");
    EXPECT_EQ(field("txtAcquireDate").text(), "03/15/2004");
    EXPECT_EQ(field("txtLentDate").text(), "") << "a date before 1900 is no date";
    EXPECT_EQ(find<QComboBox>("cboLocation")->currentText(), "Living Room");
    EXPECT_EQ(find<QComboBox>("cboMedia")->currentText(), "DVD");
    EXPECT_EQ(find<QComboBox>("cboRating")->currentText(), "PG-13");
    EXPECT_EQ(test::entries(*find<QListWidget>("lstActors")), QStringList{"Sigourney Weaver"})
        << "each actor that exists, once";
    EXPECT_EQ(find<QPlainTextEdit>("txtNotes")->toPlainText(), "one\ntwo");
    EXPECT_FALSE(window().AnyChanges());
    EXPECT_FALSE(find<QPushButton>("cmdSaveChanges")->isEnabled());
    EXPECT_FALSE(window().recordView().imgIMDb->isGreyed());
    QLocale::setDefault(QLocale::system());
}

TEST_F(MainWindowTest, ASaveChangesWhatWasTypedAndNothingElse) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    connection().execute(
        "UPDATE [Movie] SET [Cost] = 1234.5678, [Stars] = 4.25, [Minutes] = 12345 "
        "WHERE [MovieId] = ?",
        {alien});
    openWindow();
    type("txtDirector", "Ridley Scott");
    EXPECT_TRUE(window().AnyChanges());
    EXPECT_TRUE(find<QPushButton>("cmdSaveChanges")->isEnabled());
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window().AnyChanges());
    db::MovieDetails stored = *db::ReadMovie(connection(), alien);
    EXPECT_EQ(stored.record.director, "Ridley Scott");
    EXPECT_EQ(stored.record.cost, db::Currency::fromDouble(1234.5678)) << "shown rounded, kept";
    EXPECT_EQ(stored.record.stars, 4.25);
    EXPECT_EQ(stored.record.minutes, 12345);

    type("txtStars", "4.5");
    type("txtAcquireDate", "");
    type("txtMinutes", "123456");
    EXPECT_EQ(field("txtMinutes").text(), "1234") << "typing stops at the limit";
    type("txtCost", "12,5");
    click("cmdSaveChanges");
    stored = *db::ReadMovie(connection(), alien);
    EXPECT_EQ(stored.record.stars, 4.5);
    EXPECT_FALSE(stored.record.acquireDate.isValid());
    EXPECT_EQ(stored.record.minutes, 1234);
    EXPECT_EQ(stored.record.cost, db::Currency::fromDouble(12.5));
    EXPECT_EQ(window().movieListModel().index(0, 7).data().toString(), "4.5");
    EXPECT_EQ(field("txtAcquireDate").text(), "");
    EXPECT_TRUE(ui.exchanges().empty());
    QLocale::setDefault(QLocale::system());
}

TEST_F(MainWindowTest, ACostThatIsNoAmountIsRefusedInWords) {
    const int alien = addMovie("Alien");
    openWindow();
    type("txtCost", "1e30");
    ui.acknowledge();
    click("cmdSaveChanges");
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Information");
    EXPECT_TRUE(ui.exchanges()[0].text.startsWith("The cost '1e30' is not an amount of money."));
    EXPECT_TRUE(window().AnyChanges());
    EXPECT_EQ(db::ReadMovie(connection(), alien)->record.cost, db::Currency());
}

// Typed text that is no number at all is refused in words, naming the field, and the focus goes
// back to it; a number followed by words is read leniently as before.
TEST_F(MainWindowTest, ANumberFieldWithoutANumberIsRefusedInWordsWithTheFocusBack) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    const std::pair<const char*, const char*> refused[] = {
        {"txtMinutes", "Minutes must be a number.  'L000' is not one."},
        {"txtYear", "Year must be a number.  'L000' is not one."},
        {"txtStars", "Stars must be a number.  'L00' is not one."},
        {"txtCost", "Cost must be a number.  'L000' is not one."}};
    qsizetype told = 0;
    for (const auto& [name, message] : refused) {
        type(name, "L000");
        ui.acknowledge();
        click("cmdNextMovie");
        ASSERT_EQ(ui.texts().size(), ++told) << name;
        EXPECT_EQ(ui.texts().back(), message);
        EXPECT_EQ(ui.exchanges().back().title, "Information");
        EXPECT_EQ(shownTitle(), "Alien");
        EXPECT_EQ(window().focusWidget(), find<QWidget>(name));
        EXPECT_TRUE(find<QPushButton>("cmdSaveChanges")->isEnabled());
        type(name, "");
    }
    const db::MovieRecord stored = db::ReadMovie(connection(), alien)->record;
    EXPECT_EQ(stored.minutes, 90);
    EXPECT_EQ(stored.releaseYear, 1980);
    type("txtMinutes", "95 min");
    click("cmdNextMovie");
    EXPECT_EQ(shownTitle(), "Brazil");
    EXPECT_EQ(db::ReadMovie(connection(), alien)->record.minutes, 95);
}

TEST_F(MainWindowTest, ARenamedMovieIsResortedAndStaysShown) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    addMovie("Casablanca");
    openWindow();
    type("txtTitle", "Zulu");
    click("cmdSaveChanges");
    EXPECT_EQ(storedTitle(alien), "Zulu");
    EXPECT_EQ(listedTitles(), (QStringList{"Brazil", "Casablanca", "Zulu"}));
    EXPECT_EQ(shownTitle(), "Zulu");
}

TEST_F(MainWindowTest, ARenameTheSearchNoLongerFindsAsksToClearTheSearch) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    ui.inDialog([](QDialog& search) {
        test::typeInto(test::child<QLineEdit>(search, "txtTitle"), "Alien");
        test::click(search, "cmdSearch");
        return search.result();
    });
    QTest::keyClick(&window(), Qt::Key_F3);
    type("txtTitle", "Aliens");
    ui.answer(ui::Answer::No);
    click("cmdSaveChanges");
    EXPECT_EQ(ui.exchanges().at(1).title, "Clear Search");
    EXPECT_EQ(storedTitle(alien), "Aliens");
    EXPECT_TRUE(listedTitles().isEmpty());
    EXPECT_TRUE(find<QLabel>("lblClearSearch")->isVisible());
    EXPECT_FALSE(field("txtTitle").isEnabled());
    EXPECT_TRUE(window().recordView().imgIMDb->isGreyed());

    QTest::keyClick(&window(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(listedTitles(), (QStringList{"Aliens", "Brazil"}));
    EXPECT_FALSE(find<QLabel>("lblClearSearch")->isVisible());
    EXPECT_FALSE(window().recordView().imgIMDb->isGreyed());
    addMovie("Casablanca");
    QTest::keyClick(&window(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(listedTitles().size(), 2) << "no search: no refill";
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
    db::SetMovieCast(connection(), alien, {"Sigourney Weaver"});
    connection().execute("INSERT INTO [MovieActor] SELECT * FROM [MovieActor]");
    openWindow();
    type("txtLabelNumber", "X-1");
    // A name that begins like an existing one is kept as typed, not completed.
    test::typeInto(*find<QComboBox>("cboLocation")->lineEdit(), "Living");
    QTest::keyClick(find<QComboBox>("cboLocation")->lineEdit(), Qt::Key_Tab);
    ui.answer(c.answer);
    click("cmdSaveChanges");
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Add Location?");
    EXPECT_EQ(ui.exchanges()[0].text, "Location 'Living' does not exist.  Add it?");
    EXPECT_EQ(count("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] = ?", alien), 1)
        << "the cast is written, each actor once";
    EXPECT_EQ(db::ReadMovie(connection(), alien)->record.labelNumber == "X-1", c.rowWritten);
    EXPECT_EQ(connection().scalar("SELECT COUNT(*) FROM [Location] WHERE [Name] = 'Living'"),
              c.rowWritten ? 1 : 0);
    EXPECT_EQ(window().AnyChanges(), c.stillChanged);
    EXPECT_EQ(find<QPushButton>("cmdSaveChanges")->isEnabled(), c.stillChanged)
        << "on while the edits are pending";
}

INSTANTIATE_TEST_SUITE_P(Answers, AddItQuestion,
                         testing::Values(AddItCase{ui::Answer::Yes, true, false},
                                         AddItCase{ui::Answer::No, false, true},
                                         AddItCase{ui::Answer::Cancel, false, true}));

TEST_F(MainWindowTest, AddMovieAddsANewMovieOnceAndSelectsItsTitleForTyping) {
    addMovie("Alien");
    openWindow();
    click("cmdAddMovie");
    const int added = field("txtMovieId").text().toInt();
    EXPECT_EQ(shownTitle(), "New Movie");
    EXPECT_EQ(field("txtTitle").selectedText(), "New Movie");
    EXPECT_EQ(field("txtGenres").text(), "(none)") << "no genre is guessed";
    EXPECT_EQ(count("SELECT COUNT(*) FROM [MovieGenre] WHERE [MovieId] = ?", added), 0);
    EXPECT_EQ(find<QComboBox>("cboLocation")->currentText(), "(none)");
    EXPECT_FALSE(field("txtAcquireDate").text().isEmpty());

    db::SetMovieCast(connection(), added, {"Cher"});
    clickRow(0);
    trigger("mnuFileAddMovie");
    EXPECT_EQ(listedTitles().size(), 2) << "the New Movie is shown again, nothing deleted";
    EXPECT_EQ(field("txtMovieId").text().toInt(), added);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] = ?", added), 1);
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
    EXPECT_EQ(shownTitle(), "Brazil");
}

TEST_F(MainWindowTest, NextAndPreviousStopAtTheEnds) {
    addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    click("cmdPreviousMovie");
    EXPECT_EQ(shownTitle(), "Alien");
    click("cmdNextMovie");
    EXPECT_EQ(shownTitle(), "Brazil");
    click("cmdNextMovie");
    EXPECT_EQ(shownTitle(), "Brazil");
    EXPECT_TRUE(find<QPushButton>("cmdNextMovie")->isEnabled());
    trigger("mnuFilePreviousMovie");
    EXPECT_EQ(shownTitle(), "Alien");
    EXPECT_TRUE(ui.exchanges().empty());
}

TEST_F(MainWindowTest, AnEditOfAMovieDeletedElsewhereIsLetGoWithAWord) {
    const int alien = addMovie("Alien", "9");
    db::SetMovieCast(connection(), alien, {"Sigourney Weaver"});
    addMovie("Brazil");
    addMovie("Casablanca");
    openWindow();
    type("txtDirector", "Ridley Scott");
    db::DeleteMovieRows(connection(), alien);  // another window
    ui.acknowledge();
    clickRow(2);
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_TRUE(ui.exchanges()[0].text.contains("another window or program has deleted it"));
    EXPECT_EQ(listedTitles(), (QStringList{"Brazil", "Casablanca"}));
    EXPECT_EQ(shownTitle(), "Casablanca");
    EXPECT_FALSE(window().AnyChanges());
    click("cmdPreviousMovie");
    EXPECT_EQ(shownTitle(), "Brazil");
    EXPECT_EQ(connection().scalar("SELECT (SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] = ?) "
                                  "+ (SELECT COUNT(*) FROM [MovieGenre] WHERE [MovieId] = ?)",
                                  {alien, alien}),
              0)
        << "no link of the gone movie is written";
}

TEST_F(MainWindowTest, AFailingSaveIsReportedAndTheEditsStay) {
    const int alien = addMovie("Alien");
    openWindow();
    connection().execute(
        "CREATE TRIGGER [locked] BEFORE UPDATE ON [Movie] "
        "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END");
    type("txtTitle", "Aliens");
    ui.acknowledge();
    click("cmdSaveChanges");
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Error");
    EXPECT_TRUE(ui.exchanges()[0].text.contains("the disk is full"));
    EXPECT_TRUE(window().AnyChanges());
    EXPECT_EQ(storedTitle(alien), "Alien");
    connection().execute("DROP TRIGGER [locked]");
    type("txtTitle", "Aliens");
    click("cmdSaveChanges");
    EXPECT_EQ(storedTitle(alien), "Aliens");
}

}  // namespace
