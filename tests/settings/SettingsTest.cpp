#include "settings/Settings.h"
#include "support/QtPrinting.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

class SettingsStore : public testing::Test {
protected:
    QTemporaryDir directory;
    settings::Settings settings{directory.filePath("KIB.conf")};
};

TEST_F(SettingsStore, DatabaseNameDefaultsAndIsCleaned) {
    EXPECT_EQ(settings::LoadDatabaseName(settings), "KIB");
    settings.setValue(settings::key::DBName, "  my movies 2 ");
    EXPECT_EQ(settings::LoadDatabaseName(settings), "MYMOVIES2");
    settings.setValue(settings::key::DBName, "---");
    EXPECT_EQ(settings::LoadDatabaseName(settings), "KIB");
    settings.setValue(settings::key::DBName, "films-été");
    EXPECT_EQ(settings::LoadDatabaseName(settings), "FILMST");
    EXPECT_EQ(settings::CleanDatabaseName(" a.b c9 "), "ABC9");
}

TEST_F(SettingsStore, KeysHaveTheirDefaultsAndKeepWhatIsWritten) {
    EXPECT_EQ(settings.value(settings::key::SortCol), "1");
    EXPECT_EQ(settings.value(settings::key::SortOrder), "0");
    EXPECT_EQ(settings.value(settings::key::Copies), "1");
    EXPECT_EQ(settings.value(settings::key::SearchRatingIds), "0");
    EXPECT_EQ(settings.value(settings::key::IMDbSite), settings::DefaultFilmSiteHost);
    EXPECT_TRUE(settings.value(settings::key::ExportFilename).endsWith("/Movies.txt"));
    EXPECT_EQ(settings.value(settings::key::SearchTitle), "");
    settings.setValue(settings::key::SearchTitle, "*star*");
    settings::Settings reread(directory.filePath("KIB.conf"));
    EXPECT_EQ(reread.value(settings::key::SearchTitle), "*star*");
}
}  // namespace
