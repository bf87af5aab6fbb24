#include "app/Settings.h"
#include "support/QtPrinting.h"

#include <gtest/gtest.h>
#include <QMainWindow>
#include <QTemporaryDir>

namespace {

class SettingsStore : public testing::Test {
protected:
    QTemporaryDir directory;
    app::Settings settings{directory.filePath("KIB.conf")};
};

TEST_F(SettingsStore, DatabaseNameDefaultsAndIsCleaned) {
    EXPECT_EQ(app::LoadDatabaseName(settings), "KIB");
    settings.setValue(app::key::DBName, "  my movies 2 ");
    EXPECT_EQ(app::LoadDatabaseName(settings), "MYMOVIES2");
    settings.setValue(app::key::DBName, "---");
    EXPECT_EQ(app::LoadDatabaseName(settings), "KIB");
    settings.setValue(app::key::DBName, "films-été");
    EXPECT_EQ(app::LoadDatabaseName(settings), "FILMST");
    EXPECT_EQ(app::CleanDatabaseName(" a.b c9 "), "ABC9");
}

TEST_F(SettingsStore, KeysHaveTheirDefaultsAndKeepWhatIsWritten) {
    EXPECT_EQ(settings.value(app::key::SortCol), "1");
    EXPECT_EQ(settings.value(app::key::SortOrder), "0");
    EXPECT_EQ(settings.value(app::key::Copies), "1");
    EXPECT_EQ(settings.value(app::key::SearchRatingIds), "0");
    EXPECT_EQ(settings.value(app::key::IMDbSite), app::DefaultFilmSiteHost);
    EXPECT_TRUE(settings.value(app::key::ExportFilename).endsWith("/Movies.txt"));
    EXPECT_EQ(settings.value(app::key::SearchTitle), "");
    settings.setValue(app::key::SearchTitle, "*star*");
    app::Settings reread(directory.filePath("KIB.conf"));
    EXPECT_EQ(reread.value(app::key::SearchTitle), "*star*");
}

TEST_F(SettingsStore, PlacementOfAMaximisedWindowWritesOnlyItsState) {
    QMainWindow window;
    window.setObjectName("frmWizard");
    window.setGeometry(100, 120, 640, 480);
    app::SaveFormPosition(settings, window);
    ASSERT_TRUE(settings.contains("frmWizard.Width"));
    EXPECT_EQ(settings.value("frmWizard.WindowState", ""), "0");
    const QString width = settings.value("frmWizard.Width", "");
    EXPECT_EQ(width.toInt() % 15, 0) << "twips, 15 to a pixel";

    window.show();
    window.setWindowState(Qt::WindowMaximized);
    app::SaveFormPosition(settings, window);
    EXPECT_EQ(settings.value("frmWizard.WindowState", ""), "2");
    EXPECT_EQ(settings.value("frmWizard.Width", ""), width);

    app::SaveFormPosition(settings, window, "Other");
    EXPECT_EQ(settings.value("Other.WindowState", ""), "2");
}

}  // namespace
