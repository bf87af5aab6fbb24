#include "app/Startup.h"
#include "db/Upgrade.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSet>

namespace {

TEST(Startup, BuildsTheNamedCatalogueAndShowsTheMainWindow) {
    test::TestCatalogue files;
    files.settings().setValue(settings::key::DBName, " my movies ");
    test::ScriptedUserInterface ui;
    app::StartupResult started = app::Main(ui, files.settings(), files.catalogue());
    ASSERT_NE(started.window, nullptr);
    EXPECT_EQ(started.exitStatus, 0);
    EXPECT_TRUE(started.window->isVisible());
    EXPECT_EQ(started.window->windowTitle(), "Tallowmere Movie Database (MYMOVIES)");
    EXPECT_TRUE(QFile::exists(files.path("MYMOVIES.db")));
    EXPECT_EQ(db::ReadVersion(files.connection()), 1);
    EXPECT_TRUE(ui.exchanges().empty());
}

TEST(Startup, AFailingStepIsNamedAndGivesAFailureStatus) {
    test::TestCatalogue files;
    ASSERT_TRUE(test::WriteFile(files.path("KIB.db"), "shopping list"));
    test::ScriptedUserInterface ui;
    ui.acknowledge();
    app::StartupResult started = app::Main(ui, files.settings(), files.catalogue());
    EXPECT_EQ(started.window, nullptr);
    EXPECT_NE(started.exitStatus, 0);
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_TRUE(ui.exchanges()[0].text.contains("\"Open database\""))
        << ui.texts().join("").toStdString();
    EXPECT_TRUE(ui.exchanges()[0].text.contains("KIB.db"));
}

TEST(Startup, AFolderThatCannotBeWrittenEndsBeforeAnyWindow) {
    test::TestCatalogue files;
    ASSERT_TRUE(test::WriteFile(files.path("not-a-folder"), {}));
    test::ScriptedUserInterface ui;
    ui.acknowledge();
    EXPECT_FALSE(app::CheckDataAccess(ui, files.path("not-a-folder/KIB")));
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_TRUE(ui.exchanges()[0].text.contains("cannot write"));
}

TEST(Startup, EveryShownMenuItemHasItsCommandAndItsOwnAccessLetter) {
    test::TestCatalogue files;
    test::ScriptedUserInterface ui;
    app::StartupResult started = app::Main(ui, files.settings(), files.catalogue());
    ASSERT_NE(started.window, nullptr);
    for (QAction* item : started.window->menus().allItems()) {
        if (item->isVisible()) {  // a hidden item is disabled with it
            EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
        }
    }

    // Each access letter of the Tools menu, where the new commands went, opens one item.
    QString letters;
    for (QAction* item : started.window->findChild<QMenu*>("mnuTools")->actions())
        if (const qsizetype amp = item->text().indexOf(u'&'); amp >= 0)
            letters.append(item->text().at(amp + 1).toLower());
    EXPECT_EQ(QSet<QChar>(letters.begin(), letters.end()).size(), letters.size())
        << letters.toStdString();
}

}  // namespace
