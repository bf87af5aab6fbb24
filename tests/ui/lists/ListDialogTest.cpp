#include "db/Connection.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/Transaction.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "support/UserInput.h"
#include "ui/lists/ListDialog.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTreeView>

namespace {

using db::LookupTable;
using test::child;
using test::click;
using test::entries;

class ListDialogs : public testing::Test {
protected:
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    test::ScriptedUserInterface ui;
    const QLocale previousLocale;

    void TearDown() override {
        QLocale::setDefault(previousLocale);
        EXPECT_TRUE(ui.scriptUsedUp());
    }
    // Movies that each name this rating, or link this genre.
    void addMovies(int number, int ratingId, const QString& genreIds = {}) {
        db::Transaction transaction(connection);
        for (int index = 0; index < number; ++index) {
            db::MovieRecord movie;
            movie.title = QStringLiteral("Movie %1 %2").arg(ratingId).arg(index);
            movie.ratingId = ratingId;
            movie.genreIds = genreIds;
            db::InsertMovie(connection, movie);
        }
    }
    // Plays the user in the edit dialog: checks its caption and name, types a new name, saves.
    test::ScriptedUserInterface::ModalScript typeAndSave(const QString& caption,
                                                         const QString& shownName,
                                                         const QString& newName) {
        return [=](QDialog& edit) {
            EXPECT_EQ(edit.windowTitle(), caption);
            auto& txtName = child<QLineEdit>(edit, "txtName");
            EXPECT_EQ(txtName.text(), shownName);
            test::typeInto(txtName, newName);
            click(edit, "cmdSave");
            return edit.result();
        };
    }
};

TEST_F(ListDialogs, AnEmptyListAsksForAnItemToEditOrDelete) {
    connection.execute("DELETE FROM [Media]");
    ui::lists::ListDialog frmMedias(ui, files.catalogue(), files.settings(), LookupTable::Media);
    ui.acknowledge().acknowledge();
    click(frmMedias, "cmdEdit");
    QTest::keyClick(&frmMedias.lstData(), Qt::Key_Delete);
    EXPECT_EQ(ui.texts(),
              QStringList({"Click on an item to edit.", "Click on an item to delete."}));
}

TEST_F(ListDialogs, ANameWithAnApostropheIsAddedRenamedAndDeletedByKeys) {
    ui::lists::ListDialog frmActors(ui, files.catalogue(), files.settings(), LookupTable::Actor);
    frmActors.show();
    QTreeView& lstData = frmActors.lstData();
    EXPECT_EQ(test::selectedEntries(lstData), QStringList{entries(lstData).front()})
        << "the first name is selected on opening";

    ui.inDialog(typeAndSave("Add Actor", "", "Conan O'Brien"));
    QTest::keyClick(&lstData, Qt::Key_Insert);
    EXPECT_EQ(entries(lstData).count("Conan O'Brien"), 1);

    test::choose(lstData, "Conan O'Brien");
    ui.inDialog(typeAndSave("Edit Actor", "Conan O'Brien", "Pat O'Brien"));
    QTest::keyClick(&lstData, Qt::Key_Return);
    EXPECT_FALSE(entries(lstData).contains("Conan O'Brien"));
    EXPECT_EQ(db::FindLookupId(connection, LookupTable::Actor, "Conan O'Brien"), 0);

    test::choose(lstData, "Pat O'Brien");
    ui.answer(ui::Answer::Yes);
    QTest::keyClick(&lstData, Qt::Key_Delete);
    EXPECT_EQ(ui.exchanges().back().title, "Warning");
    EXPECT_EQ(ui.exchanges().back().text, "Delete 'Pat O'Brien'?");
    EXPECT_FALSE(entries(lstData).contains("Pat O'Brien"));
    EXPECT_EQ(db::FindLookupId(connection, LookupTable::Actor, "Pat O'Brien"), 0);
}

TEST_F(ListDialogs, ARefusedNameIsReportedAndTheEditDialogStaysOpen) {
    // A name that exists in other case, and a statement that fails.
    const std::tuple<LookupTable, QString, QString> cases[] = {
        {LookupTable::Rating, "pg",
         "Warning: Rating 'pg' already exists.  Please enter a unique name to add."},
        {LookupTable::Location, "Attic", "Error: "},
    };
    for (const auto& [table, typed, message] : cases) {
        ui::lists::ListDialog dialog(ui, files.catalogue(), files.settings(), table);
        if (table == LookupTable::Location)
            connection.execute("DROP TABLE [Location]");
        ui.inDialog([&](QDialog& edit) {
            QTest::keyClicks(&child<QLineEdit>(edit, "txtName"), typed);
            ui.acknowledge();
            click(edit, "cmdSave");
            EXPECT_TRUE(edit.isVisible());
            EXPECT_EQ(child<QLineEdit>(edit, "txtName").text(), typed);
            click(edit, "cmdCancel");
            return edit.result();
        });
        click(dialog, "cmdAdd");
        const test::Exchange& last = ui.exchanges().back();
        EXPECT_TRUE((last.title + ": " + last.text).startsWith(message)) << last.text.toStdString();
    }
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [Rating]").toInt(), 7);
}

// Which movies hold a genre (through their genre links) is tested with the lookup lists.
TEST_F(ListDialogs, ANameInUseIsKeptAndTheCountIsGrouped) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    addMovies(1234, 3);      // PG
    addMovies(2, 1, "7/4");  // Drama and Comedy
    const std::tuple<LookupTable, QString, QString> cases[] = {
        {LookupTable::Rating, "PG",
         "Warning: Cannot delete this rating.  It is used in 1,234 movies."},
        {LookupTable::Genre, "Drama",
         "Information: Cannot delete this genre.  It is used in 2 movies."},
    };
    for (const auto& [table, name, message] : cases) {
        ui::lists::ListDialog dialog(ui, files.catalogue(), files.settings(), table);
        dialog.show();
        test::choose(dialog.lstData(), name);
        ui.answer(ui::Answer::No).answer(ui::Answer::Cancel).answer(ui::Answer::Yes).acknowledge();
        for (int press = 0; press < 3; ++press)
            click(dialog, "cmdDelete");
        EXPECT_EQ(ui.exchanges().back().title + ": " + ui.exchanges().back().text, message);
        EXPECT_GT(db::FindLookupId(connection, table, name), 0);
        EXPECT_EQ(entries(dialog.lstData()).count(name), 1);
    }
}

TEST_F(ListDialogs, EveryNameShowsItsMoviesAndAHeaderClickSortsByEitherColumn) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    addMovies(1234, 3);  // PG
    addMovies(2, 1);     // (none)
    addMovies(1, 5);     // R
    ui::lists::ListDialog frmRatings(ui, files.catalogue(), files.settings(), LookupTable::Rating);
    frmRatings.show();
    QTreeView& lstData = frmRatings.lstData();
    QAbstractItemModelTester tester(lstData.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    auto shown = [&] {
        QStringList rows;
        for (int row = 0; row < lstData.model()->rowCount(); ++row)
            rows.append(lstData.model()->index(row, 0).data().toString() + ' ' +
                        lstData.model()->index(row, 1).data().toString());
        return rows;
    };
    auto clickHeader = [&](int column) {
        QHeaderView* header = lstData.header();
        const int middle =
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(middle, 5));
    };
    EXPECT_EQ(shown(), (QStringList{"(none) 2", "G 0", "NC-17 0", "Not rated 0", "PG 1,234",
                                    "PG-13 0", "R 1"}));
    test::choose(lstData, "R");

    clickHeader(1);  // the most used first; equal counts keep name order
    EXPECT_EQ(shown(), (QStringList{"PG 1,234", "(none) 2", "R 1", "G 0", "NC-17 0", "Not rated 0",
                                    "PG-13 0"}));
    clickHeader(1);
    EXPECT_EQ(shown(), (QStringList{"G 0", "NC-17 0", "Not rated 0", "PG-13 0", "R 1", "(none) 2",
                                    "PG 1,234"}));
    EXPECT_EQ(test::selectedEntries(lstData), QStringList{"R"}) << "the selection follows";

    clickHeader(0);
    EXPECT_EQ(shown().front(), "(none) 2");
    ui.answer(ui::Answer::Yes).acknowledge();
    QTest::keyClick(&lstData, Qt::Key_Delete);
    EXPECT_EQ(ui.exchanges().front().text, "Delete 'R'?") << "Delete acts on the entry chosen";
}

// Two entries of one name would let a delete of one take a movie's entry with it.
TEST_F(ListDialogs, ADoubleClickEditsAndARenameOntoAnExistingNameIsRefused) {
    ui::lists::ListDialog frmMedias(ui, files.catalogue(), files.settings(), LookupTable::Media);
    frmMedias.show();
    QTreeView& lstData = frmMedias.lstData();
    ui.inDialog([&](QDialog& edit) {
        auto& txtName = child<QLineEdit>(edit, "txtName");
        txtName.clear();
        QTest::keyClicks(&txtName, "dvd");
        ui.acknowledge();
        click(edit, "cmdSave");
        EXPECT_EQ(ui.exchanges().back().text,
                  "Media 'dvd' already exists.  Please enter a unique name to add.");
        return typeAndSave("Edit Media", "dvd", "Vhs")(edit);  // its own name in other case
    });
    test::doubleClick(lstData, "VHS");
    EXPECT_EQ(entries(lstData), (QStringList{"(none)", "DVD", "LaserDisc", "Vhs"}));
}

TEST_F(ListDialogs, TheActorsFilmSiteLinkSearchesTheNameGivenNameFirst) {
    ui::lists::ListDialog frmActors(ui, files.catalogue(), files.settings(), LookupTable::Actor);
    frmActors.show();
    test::choose(frmActors.lstData(), "Kevin Bacon");
    ui.inDialog([&](QDialog& edit) {
        test::typeInto(child<QLineEdit>(edit, "txtName"), "Bacon, Kevin");
        ui.openUrlSucceeds(true);
        click(edit, "imgIMDb");
        click(edit, "cmdCancel");
        return edit.result();
    });
    click(frmActors, "cmdEdit");
    EXPECT_EQ(QUrl(ui.exchanges().back().text).toEncoded(),
              "https://www.imdb.com/find/?q=Kevin+Bacon&s=nm");
    EXPECT_GT(db::FindLookupId(connection, LookupTable::Actor, "Kevin Bacon"), 0)
        << "nothing is written";
}

}  // namespace
