#include "ToolsFixture.h"
#include "ui/tools/StartOverDialog.h"

#include <QCheckBox>
#include <QLabel>

namespace {

class StartOverDialogTest : public test::ToolsTest {};

// The reset itself, with its backup, is tested through the main window.
TEST_F(StartOverDialogTest, ChangesNothingUnlessCheckedAndConfirmed) {
    addMovie("Alien");
    addMovie("Brazil");
    ui::StartOverDialog dialog(user, files.catalogue(), &mainWindow, populateLstMain);
    EXPECT_EQ(dialog.findChild<QLabel*>("lblInfo1")->text(), "2 movies on file");
    dialog.show();
    user.acknowledge();
    test::click(dialog, "cmdStartOver");
    EXPECT_EQ(user.exchanges().back().title, "Warning");
    EXPECT_EQ(user.exchanges().back().text, "You have selected nothing to reset.");
    EXPECT_TRUE(dialog.isVisible());

    QTest::mouseClick(dialog.findChild<QCheckBox*>("chkStartOver1"), Qt::LeftButton);
    user.answer(ui::Answer::No);
    test::click(dialog, "cmdStartOver");
    EXPECT_EQ(user.exchanges().back().text, "Reset database (delete all movies)?");
    EXPECT_TRUE(dialog.isVisible());

    writeFile(files.path("Backups"), "a file where the backup folder would go");
    user.answer(ui::Answer::Yes).acknowledge();
    test::click(dialog, "cmdStartOver");
    waitUntilWorkEnds();
    EXPECT_TRUE(user.exchanges().back().text.endsWith("Nothing has been changed."));
    EXPECT_EQ(db::CountMovies(files.connection()), 2);
    EXPECT_EQ(refills, 0);
}

}  // namespace
