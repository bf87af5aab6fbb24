#include "ToolsFixture.h"
#include "db/LookupTable.h"
#include "ui/shell/ProgressWindow.h"
#include "ui/tools/MaintenanceCommands.h"

namespace {

class MaintenanceCommandsTest : public test::ToolsTest {
protected:
    ui::Progress progress{&mainWindow};
};

// Cancel in the progress window and the repair itself are tested beside them.
TEST_F(MaintenanceCommandsTest, RepairRunsOnlyOnYesAndSaysWhatItRepaired) {
    const int broken = addMovie("Alien", 99);
    auto repair = [&] {
        ui::RepairDataCommand(user, files.catalogue(), progress, &mainWindow, populateLstMain);
    };
    user.answer(ui::Answer::No).answer(ui::Answer::Cancel);
    repair();
    repair();
    EXPECT_EQ(user.exchanges().front().title, "Repair");
    EXPECT_EQ(user.exchanges().front().text, "Repair database?");
    EXPECT_EQ(connection.scalar("SELECT [LocationId] FROM [Movie] WHERE [MovieId] = ?", {broken}),
              99);

    user.answer(ui::Answer::Yes).acknowledge().answer(ui::Answer::Yes).acknowledge();
    repair();
    EXPECT_TRUE(user.exchanges().back().text.startsWith(
        "1 problems repaired.\n\nThe catalogue as it was before is kept in '"));
    EXPECT_EQ(refills, 1);
    repair();
    EXPECT_EQ(user.exchanges().back().title, "Repair complete");
    EXPECT_TRUE(user.exchanges().back().text.startsWith("No problems found.\n\n"));
    EXPECT_EQ(refills, 1) << "the list stays when nothing was repaired";
    EXPECT_EQ(progress.window(), nullptr) << "the progress window is closed";
}

TEST_F(MaintenanceCommandsTest, DeleteUnusedActorsAsksFirstAndCountsWhatItDeleted) {
    const int movie = addMovie("Alien");
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
