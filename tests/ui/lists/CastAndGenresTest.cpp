#include "db/Connection.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "support/UserInput.h"
#include "ui/lists/CastEditing.h"
#include "ui/lists/CastList.h"
#include "ui/lists/SetGenreDialog.h"

namespace {

using test::child;
using test::click;
using test::entries;
using test::selectedEntries;

class CastAndGenres : public testing::Test {
protected:
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    test::ScriptedUserInterface ui;

    void TearDown() override { EXPECT_TRUE(ui.scriptUsedUp()); }

    // The genres frmSetGenre shows selected for genreIds; the dialog is cancelled.
    QStringList preselected(const QString& genreIds) {
        QStringList shown;
        ui.inDialog([&](QDialog& frmSetGenre) {
            shown = selectedEntries(child<QListWidget>(frmSetGenre, "lstGenre"));
            click(frmSetGenre, "cmdCancel");
            return frmSetGenre.result();
        });
        EXPECT_FALSE(ui::lists::ChooseGenres(ui, connection, genreIds, nullptr));
        return shown;
    }
};

TEST(Cast, AddingComparesTrimmedAndIgnoringCaseButKeepsTheNameAsGiven) {
    QListWidget lstActors;
    lstActors.addItems({" Amélie Poulain", "Cher"});
    ui::lists::ListWidgetCast cast(lstActors);
    EXPECT_FALSE(ui::lists::AddToCast(cast, "AMÉLIE POULAIN  "));
    EXPECT_FALSE(ui::lists::AddToCast(cast, "cher"));
    EXPECT_TRUE(ui::lists::AddToCast(cast, " Kevin Bacon "));
    EXPECT_EQ(entries(lstActors), QStringList({" Amélie Poulain", "Cher", " Kevin Bacon "}));
}

TEST_F(CastAndGenres, RemoveActorNeedsASelectionButMarksTheMovieChangedEitherWay) {
    QListWidget lstActors;
    lstActors.addItems({"Cher", "Kevin Bacon", "Kevin Kline"});
    int marked = 0;
    const auto removeActor = [&] { ui::lists::RemoveActor(ui, lstActors, [&] { ++marked; }, {}); };
    ui.acknowledge();
    removeActor();
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(ui.texts(), QStringList{"Click on an actor to remove."});
    EXPECT_EQ(lstActors.count(), 3);

    lstActors.show();
    test::choose(lstActors, "Kevin Bacon");
    removeActor();
    EXPECT_EQ(marked, 2);
    EXPECT_EQ(entries(lstActors), QStringList({"Cher", "Kevin Kline"}));
}

TEST_F(CastAndGenres, TheDialogSelectsTheMoviesGenresAndGivesTheChosenOnesThatStillExist) {
    // 2 Animation, 4 Comedy, 12 Organized Crime, 13 Science Fiction; id 1 was "(none)", which
    // the upgrade removes, so ids 10 to 19 are the only ones with a 1.
    EXPECT_EQ(preselected("12/2"), QStringList({"Animation", "Organized Crime"}));
    EXPECT_EQ(preselected("1"), QStringList{"(none)"});
    EXPECT_EQ(preselected(" 4 / 13/"), QStringList({"Comedy", "Science Fiction"}));

    ui.inDialog([&](QDialog& frmSetGenre) {
        click(frmSetGenre, "cmdClear");
        for (const char* name : {"Horror", "Drama", "Comedy"})
            test::choose(child<QListWidget>(frmSetGenre, "lstGenre"), name);
        connection.execute("DELETE FROM [Genre] WHERE [Name] = 'Horror'");
        click(frmSetGenre, "cmdOK");
        return frmSetGenre.result();
    });
    const auto choice = ui::lists::ChooseGenres(ui, connection, "9/4", nullptr);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->ids, "4/7");
    EXPECT_EQ(choice->names, "Comedy, Drama");
}

TEST_F(CastAndGenres, NoneStandsAloneAmongTheChosenGenres) {
    // A file not upgraded yet still has a "(none)" genre row: it is the one "(none)" entry.
    connection.execute("INSERT INTO [Genre] ([Name]) VALUES ('(none)')");
    ui.inDialog([&](QDialog& frmSetGenre) {
        auto& list = child<QListWidget>(frmSetGenre, "lstGenre");
        EXPECT_EQ(entries(list).count("(none)"), 1);
        EXPECT_EQ(entries(list).first(), "(none)");
        EXPECT_EQ(selectedEntries(list), QStringList{"Comedy"});
        test::choose(list, "(none)");
        EXPECT_EQ(selectedEntries(list), QStringList{"(none)"}) << "(none) drops the genres";
        test::choose(list, "Drama");
        test::choose(list, "Horror");
        EXPECT_EQ(selectedEntries(list), QStringList({"Drama", "Horror"})) << "and a genre it";
        test::choose(list, "Drama");
        test::choose(list, "Horror");
        EXPECT_EQ(selectedEntries(list), QStringList{"(none)"}) << "nothing else chosen";
        test::choose(list, "Drama");
        click(frmSetGenre, "cmdClear");
        EXPECT_EQ(selectedEntries(list), QStringList{"(none)"});
        test::choose(list, "Westerns");
        test::choose(list, "(none)");
        click(frmSetGenre, "cmdOK");
        return frmSetGenre.result();
    });
    const auto choice = ui::lists::ChooseGenres(ui, connection, "4", nullptr);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->ids, "");
    EXPECT_EQ(choice->names, "");
}

}  // namespace
