#include "db/Connection.h"
#include "db/LookupTable.h"
#include "db/MovieDetails.h"
#include "db/Movies.h"
#include "support/ScriptedUserInterface.h"
#include "support/StockSqlite.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"
#include "support/UserInput.h"
#include "ui/lists/ListDialog.h"

#include <QDir>
#include <QFile>
#include <QTreeView>

namespace {

using db::LookupTable;
using test::child;
using test::click;

class ListMerge : public testing::Test {
protected:
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    test::ScriptedUserInterface ui;

    void TearDown() override { EXPECT_TRUE(ui.scriptUsedUp()); }

    int addMovie(const QString& title, const QString& genreIds, const QStringList& cast) {
        db::MovieRecord movie;
        movie.title = title;
        movie.genreIds = genreIds;
        movie.locationId = movie.mediaId = movie.ratingId = 2;
        const int id = db::InsertMovie(connection, movie);
        db::SetMovieCast(connection, id, cast);
        return id;
    }
    int add(LookupTable table, const QString& name) {
        return db::LookupOrAddId(connection, table, name);
    }
    // Plays the user in Merge into: picks the entry that stays and merges.
    test::ScriptedUserInterface::ModalScript keep(const QString& choice) {
        return [choice](QDialog& dialog) {
            test::choose(child<QListWidget>(dialog, "lstKeep"), choice);
            click(dialog, "cmdMerge");
            return dialog.result();
        };
    }
};

TEST_F(ListMerge, EveryKindOfReferenceMovesToTheKeptEntryAndNoLinkRepeats) {
    const int drama = db::FindLookupId(connection, LookupTable::Genre, "Drama");
    const int dramaToo = add(LookupTable::Genre, "Drama!");
    add(LookupTable::Actor, "Hanks, Tom");
    const int big = addMovie("Big", QStringLiteral("%1/%2").arg(dramaToo).arg(drama),
                             {"Hanks, Tom", "Tom Hanks"});
    const int castAway = addMovie("Cast Away", QString::number(dramaToo), {"Hanks, Tom"});
    const int dvdToo = add(LookupTable::Media, "dvd ");
    connection.execute("UPDATE [Movie] SET [MediaId] = ? WHERE [MovieId] = ?", {dvdToo, big});

    struct Case {
        LookupTable table;
        QString kept, other, choice, message;
    };
    const Case cases[] = {
        {LookupTable::Actor, "Tom Hanks", "Hanks, Tom", "Tom Hanks  (1 movie)",
         "1 entry merged into 'Tom Hanks'.  2 movies changed."},
        {LookupTable::Genre, "Drama", "Drama!", "Drama  (1 movie)",
         "1 entry merged into 'Drama'.  2 movies changed."},
        {LookupTable::Media, "DVD", "dvd ", "DVD  (0 movies)",
         "1 entry merged into 'DVD'.  1 movie changed."},
    };
    for (const Case& each : cases) {
        ui::lists::ListDialog dialog(ui, files.catalogue(), files.settings(), each.table);
        dialog.show();
        test::choose(dialog.lstData(), each.other);
        test::choose(dialog.lstData(), each.kept, Qt::ControlModifier);
        ui.inDialog(keep(each.choice)).acknowledge();
        click(dialog, "cmdMerge");
        const test::Exchange& done = ui.exchanges().back();
        EXPECT_EQ(done.title, "Merge complete");
        EXPECT_TRUE(done.text.startsWith(each.message +
                                         "\n\nThe catalogue as it was before is "
                                         "kept in '" +
                                         files.path("Backups/KIB-")))
            << done.text.toStdString();
        EXPECT_FALSE(test::entries(dialog.lstData()).contains(each.other));
        EXPECT_EQ(test::selectedEntries(dialog.lstData()), QStringList{each.kept});
    }

    for (const int movie : {big, castAway}) {
        const db::MovieDetails merged = *db::ReadMovie(connection, movie);
        EXPECT_EQ(merged.cast, QStringList{"Tom Hanks"});
        EXPECT_EQ(merged.genres.names, "Drama");
    }
    EXPECT_EQ(db::ReadMovie(connection, big)->mediaName, "DVD");
    EXPECT_EQ(connection.scalar("SELECT (SELECT COUNT(*) FROM (SELECT 1 FROM [MovieGenre] GROUP "
                                "BY [MovieId], [GenreId] HAVING COUNT(*) > 1)) + (SELECT COUNT(*) "
                                "FROM (SELECT 1 FROM [MovieActor] GROUP BY [MovieId], [ActorId] "
                                "HAVING COUNT(*) > 1))"),
              0)
        << "no link repeats";
    EXPECT_FALSE(QDir(files.path("Backups")).isEmpty());
    EXPECT_EQ(test::StockSqlite(files.catalogue().filePath(), "PRAGMA integrity_check"), "ok");
}

TEST_F(ListMerge, NothingOrOneEntryIsRefusedAndAFailedBackupChangesNothing) {
    const int movie = addMovie("Alien", {}, {});  // on VHS
    ui::lists::ListDialog frmMedias(ui, files.catalogue(), files.settings(), LookupTable::Media);
    frmMedias.show();
    QTreeView& lstData = frmMedias.lstData();
    test::choose(lstData, "(none)", Qt::ControlModifier);  // takes the first entry out again
    ui.acknowledge().acknowledge();
    click(frmMedias, "cmdMerge");
    test::choose(lstData, "DVD");
    click(frmMedias, "cmdMerge");
    EXPECT_EQ(ui.texts(),
              (QStringList{"Click on the entries to merge, holding Ctrl to add each one after "
                           "the first.",
                           "'DVD' cannot be merged into itself.  Hold Ctrl and click the entries "
                           "to merge into it as well."}));

    test::choose(lstData, "VHS", Qt::ControlModifier);
    ui.inDialog([](QDialog& dialog) {
        click(dialog, "cmdCancel");
        return dialog.result();
    });
    click(frmMedias, "cmdMerge");
    ASSERT_TRUE(test::WriteFile(files.path("Backups"), {}));  // where the backups' folder goes
    ui.inDialog(keep("DVD  (0 movies)")).acknowledge();
    click(frmMedias, "cmdMerge");
    EXPECT_EQ(ui.exchanges().back().title, "Error");
    EXPECT_TRUE(ui.exchanges().back().text.endsWith("Nothing has been changed."));

    EXPECT_EQ(test::entries(lstData), (QStringList{"(none)", "DVD", "LaserDisc", "VHS"}));
    EXPECT_EQ(db::ReadMovie(connection, movie)->mediaName, "VHS");
}

}  // namespace
