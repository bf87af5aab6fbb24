#include "ToolsFixture.h"
#include "db/LookupTable.h"
#include "db/Upgrade.h"
#include "ui/tools/StartOverDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace {

class StartOverDialogTest : public test::ToolsTest {
protected:
    void SetUp() override {
        addMovie("Alien");
        addMovie("Brazil");
    }
};

TEST_F(StartOverDialogTest, ChangesNothingUnlessCheckedAndConfirmed) {
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
    EXPECT_TRUE(user.exchanges().back().text.endsWith("Nothing has been changed."));
    EXPECT_EQ(db::CountMovies(files.connection()), 2);
    EXPECT_EQ(refills, 0);
}

TEST_F(StartOverDialogTest, ResetsToANewSeededCatalogueAndRefillsTheList) {
    db::LookupOrAddId(connection, db::LookupTable::Actor, "Someone New");
    addMovie("Alien");
    const int movies = db::CountMovies(connection);
    user.inDialog([&](QDialog& dialog) {
            QTest::mouseClick(dialog.findChild<QCheckBox*>("chkStartOver1"), Qt::LeftButton);
            test::click(dialog, "cmdStartOver");
            return dialog.result();
        })
        .answer(ui::Answer::Yes)
        .acknowledge();
    ui::ShowStartOverDialog(user, files.catalogue(), &mainWindow, populateLstMain);
    EXPECT_EQ(user.exchanges().back().title, "Complete");
    const QStringList backups = QDir(files.path("Backups")).entryList({"KIB-*.db"});
    ASSERT_EQ(backups.size(), 1);
    const QString backup = files.path("Backups/" + backups[0]);
    EXPECT_EQ(user.exchanges().back().text,
              "System reset.\n\nThe catalogue as it was before is kept in '" + backup + "'.");
    EXPECT_EQ(refills, 1);
    db::Catalogue kept(files.path("Backups"));
    kept.OpenDatabase(QFileInfo(backup).completeBaseName(), db::Catalogue::Sharing::Shared);
    EXPECT_EQ(db::CountMovies(kept.connection()), movies) << "the backup holds the old catalogue";
    db::Connection& fresh = files.connection();
    EXPECT_EQ(fresh.path(), files.path("KIB.db"));
    EXPECT_EQ(db::CountMovies(fresh), 0);
    EXPECT_EQ(db::LookupNames(fresh, db::LookupTable::Actor).size(), 184);
    EXPECT_EQ(db::ReadVersion(fresh), 1);
}

}  // namespace
