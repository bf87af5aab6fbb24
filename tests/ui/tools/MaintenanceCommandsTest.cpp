#include "ToolsFixture.h"
#include "app/ProgressWindow.h"
#include "db/LookupTable.h"
#include "ui/tools/MaintenanceCommands.h"

#include <QTimer>

namespace {

class MaintenanceCommandsTest : public test::ToolsTest {
protected:
    int locationOf(int movieId) {
        return connection
            .scalar(QStringLiteral("SELECT [LocationId] FROM [Movie] WHERE [MovieId] = ?"),
                    {movieId})
            .toInt();
    }
    app::Progress progress{&mainWindow};
};

TEST_F(MaintenanceCommandsTest, RepairRunsOnlyOnYes) {
    const int broken = addMovie(QStringLiteral("Alien"), 99);
    for (ui::Answer answer : {ui::Answer::No, ui::Answer::Cancel}) {
        user.answer(answer);
        ui::RepairDataCommand(user, files.catalogue(), progress, &mainWindow, populateLstMain);
    }
    EXPECT_EQ(user.exchanges().front().title, "Repair");
    EXPECT_EQ(user.exchanges().front().text, "Repair database?");
    EXPECT_EQ(locationOf(broken), 99);
}

TEST_F(MaintenanceCommandsTest, ASoundCatalogueHasNoProblemsAndTheListStays) {
    addMovie(QStringLiteral("Alien"));
    user.answer(ui::Answer::Yes).acknowledge();
    ui::RepairDataCommand(user, files.catalogue(), progress, &mainWindow, populateLstMain);
    EXPECT_EQ(user.exchanges().back().title, "Repair complete");
    EXPECT_EQ(user.exchanges().back().text, "No problems found.");
    EXPECT_EQ(refills, 0);
}

TEST_F(MaintenanceCommandsTest, CancelInTheProgressWindowStopsAfterTheFirstMovie) {
    const int first = addMovie(QStringLiteral("Alien"), 99);
    const int second = addMovie(QStringLiteral("Brazil"), 98);
    user.answer(ui::Answer::Yes).acknowledge();
    // The user presses Cancel as soon as the progress window shows.
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        if (progress.window() && progress.window()->isVisible()) {
            progress.window()->cancelButton().click();
            clicker.stop();
        }
    });
    clicker.start(0);
    ui::RepairDataCommand(user, files.catalogue(), progress, &mainWindow, populateLstMain);
    EXPECT_EQ(user.exchanges().back().text, "1 problems repaired.");
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(locationOf(first),
              db::FindLookupId(connection, db::LookupTable::Location, "(unknown)"));
    EXPECT_EQ(locationOf(second), 98);
    EXPECT_EQ(progress.window(), nullptr) << "the progress window is closed";
}

TEST_F(MaintenanceCommandsTest, DeleteUnusedActorsAsksFirstAndCountsWhatItDeleted) {
    const int movie = addMovie(QStringLiteral("Alien"));
    const QStringList actors = db::LookupNames(connection, db::LookupTable::Actor);
    db::SetMovieCast(connection, movie, {actors[0]});
    user.answer(ui::Answer::No);
    ui::DeleteUnusedActorsCommand(user, files.catalogue(), &mainWindow);
    EXPECT_EQ(user.exchanges().back().title, "Delete?");
    EXPECT_EQ(user.exchanges().back().text, "Delete all actors that are not currently used?");
    EXPECT_EQ(db::LookupNames(connection, db::LookupTable::Actor), actors);

    user.answer(ui::Answer::Yes).acknowledge();
    ui::DeleteUnusedActorsCommand(user, files.catalogue(), &mainWindow);
    EXPECT_EQ(user.exchanges().back().title, "Done");
    EXPECT_EQ(user.exchanges().back().text,
              QStringLiteral("%1 actors deleted.").arg(actors.size() - 1));
    EXPECT_EQ(db::LookupNames(connection, db::LookupTable::Actor), QStringList{actors[0]});
}

}  // namespace
