#include "ToolsFixture.h"
#include "ui/tools/MaintenanceCommands.h"

namespace {

class MaintenanceCommandsTest : public test::ToolsTest {};

// Cancel in the progress window and the repair itself are tested beside them, the actor
// clean-up through the main window.
TEST_F(MaintenanceCommandsTest, RepairRunsOnlyOnYesAndSaysWhatItRepaired) {
    const int broken = addMovie("Alien", 99);
    auto repair = [&] {
        ui::RepairDataCommand(user, files.catalogue(), &mainWindow, populateLstMain);
        waitUntilWorkEnds();
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return !mainWindow.findChild<QDialog*>("frmProgress"); }))
        << "the progress window is closed";
}

}  // namespace
