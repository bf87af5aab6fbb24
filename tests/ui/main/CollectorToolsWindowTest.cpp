#include "MainWindowFixture.h"

#include "db/MovieDetails.h"
#include "db/Movies.h"
#include "support/UserInput.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTreeView>

namespace {

using test::child;
using test::MainWindowTest;

// Each new movie the user gives a label of another kind, which the next proposal follows. The
// catalogue starts empty: the fields cleared then must still show and save the movies added.
TEST_F(MainWindowTest, AddMovieProposesTheLabelAfterTheHighestAndTheUserTypesOverIt) {
    openWindow();
    const std::pair<const char*, const char*> steps[] = {
        {"", "A-9"}, {"A-10", "12"}, {"13", "L000123"}, {"L000124", "L000124"}};
    int number = 0;
    for (const auto& [proposed, typed] : steps) {
        trigger("mnuFileAddMovie");
        EXPECT_EQ(field("txtLabelNumber").text(), proposed);
        type("txtTitle", QStringLiteral("Movie %1").arg(++number));
        type("txtLabelNumber", typed);
        click("cmdSaveChanges");
    }
    EXPECT_EQ(
        connection().scalar("SELECT COUNT(*) FROM [Movie] WHERE [LabelNumber] = 'L000124'").toInt(),
        1);
    EXPECT_EQ(connection().scalar("SELECT COUNT(*) FROM [MovieGenre]").toInt(), 0)
        << "each movie kept the genres it was added with: none";
}

TEST_F(MainWindowTest, TheDuplicateFinderShowsAGroupAndMergesTwoOfItThroughTheWindow) {
    const int matrix = addMovie("The Matrix", "13");
    const int comma = addMovie("Matrix, The", "13/7");
    addMovie("MATRIX");
    addMovie("Matrix 2");
    addMovie("Heat");
    db::SetMovieCast(connection(), comma, {"Keanu Reeves"});
    openWindow();
    clickRow(4);
    type("txtTitle", "The Matrix!");  // an edit the command saves first

    ui.inDialog([&](QDialog& dialog) {
        waitUntilWorkEnds();  // the search runs on the worker
        auto& lstDuplicates = child<QTreeView>(dialog, "lstDuplicates");
        QAbstractItemModelTester tester(lstDuplicates.model(),
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
        EXPECT_EQ(test::entries(lstDuplicates),
                  (QStringList{"MATRIX", "Matrix, The", "The Matrix!"}));
        EXPECT_EQ(child<QLabel>(dialog, "lblCount").text(), "Groups: 1  Movies: 3");

        test::doubleClick(lstDuplicates, "Matrix, The");
        EXPECT_EQ(shownTitle(), "Matrix, The") << "the main window shows the movie";

        test::choose(lstDuplicates, "The Matrix!");
        test::choose(lstDuplicates, "Matrix, The", Qt::ControlModifier);
        ui.inDialog([&](QDialog& keep) {
            EXPECT_EQ(test::entries(child<QListWidget>(keep, "lstKeep")),
                      (QStringList{QStringLiteral("Matrix, The  (Movie # %1)").arg(comma),
                                   QStringLiteral("The Matrix!  (Movie # %1)").arg(matrix)}));
            test::choose(child<QListWidget>(keep, "lstKeep"),
                         QStringLiteral("The Matrix!  (Movie # %1)").arg(matrix));
            test::click(keep, "cmdMerge");
            return keep.result();
        });
        ui.acknowledge();
        test::click(dialog, "cmdMerge");
        waitUntilWorkEnds();
        EXPECT_EQ(test::entries(lstDuplicates), (QStringList{"MATRIX", "The Matrix!"}));
        test::click(dialog, "cmdClose");
        return dialog.result();
    });
    trigger("mnuToolsFindDuplicates");

    const QStringList backups = QDir(files.path("Backups")).entryList({"KIB-*.db"});
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(ui.exchanges().back().text,
              QStringLiteral("'Matrix, The' (Movie # %1) is merged into 'The Matrix!' "
                             "(Movie # %2)."
                             "\n\nThe catalogue as it was before is kept in '%3'.")
                  .arg(comma)
                  .arg(matrix)
                  .arg(files.path("Backups/" + backups[0])));
    EXPECT_EQ(listedTitles(), (QStringList{"Heat", "MATRIX", "Matrix 2", "The Matrix!"}));
    const db::MovieDetails merged = *db::ReadMovie(connection(), matrix);
    EXPECT_EQ(merged.genres.ids, "13/7");
    EXPECT_EQ(merged.cast, QStringList{"Keanu Reeves"});
}

}  // namespace
