#include "ToolsFixture.h"
#include "db/LookupTable.h"
#include "db/Upgrade.h"
#include "ui/tools/StartOverDialog.h"

#include <QCheckBox>
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
    EXPECT_EQ(db::CountMovies(files.connection()), 2);
    EXPECT_EQ(refills, 0);
}

TEST_F(StartOverDialogTest, ResetsToANewSeededCatalogueAndRefillsTheList) {
    db::LookupOrAddId(connection, db::LookupTable::Actor, "Someone New");
    user.inDialog([&](QDialog& dialog) {
            QTest::mouseClick(dialog.findChild<QCheckBox*>("chkStartOver1"), Qt::LeftButton);
            test::click(dialog, "cmdStartOver");
            return dialog.result();
        })
        .answer(ui::Answer::Yes)
        .acknowledge();
    ui::ShowStartOverDialog(user, files.catalogue(), &mainWindow, populateLstMain);
    EXPECT_EQ(user.exchanges().back().title, "Complete");
    EXPECT_EQ(user.exchanges().back().text, "System reset.");
    EXPECT_EQ(refills, 1);
    db::Connection& fresh = files.connection();
    EXPECT_EQ(fresh.path(), files.path("KIB.db"));
    EXPECT_EQ(db::CountMovies(fresh), 0);
    EXPECT_EQ(db::LookupNames(fresh, db::LookupTable::Actor).size(), 184);
    EXPECT_EQ(db::ReadVersion(fresh), 1);
}

}  // namespace
