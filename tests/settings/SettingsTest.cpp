#include "settings/Settings.h"
#include "support/QtPrinting.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace {

// The other keys' defaults are the described constants themselves.
TEST(SettingsStore, TheCatalogueNameIsCleanedAndTheMovieFileIsAtHome) {
    QTemporaryDir directory;
    settings::Settings settings(directory.filePath("KIB.conf"));
    EXPECT_EQ(settings::LoadDatabaseName(settings), "KIB");
    settings.setValue(settings::key::DBName, "  my movies 2 ");
    EXPECT_EQ(settings::LoadDatabaseName(settings), "MYMOVIES2");
    settings.setValue(settings::key::DBName, "---");
    EXPECT_EQ(settings::LoadDatabaseName(settings), "KIB");
    settings.setValue(settings::key::DBName, "films-été");
    EXPECT_EQ(settings::LoadDatabaseName(settings), "FILMST");
    EXPECT_EQ(settings::CleanDatabaseName(" a.b c9 "), "ABC9");
    EXPECT_EQ(settings.value(settings::key::ExportFilename), QDir::homePath() + "/Movies.txt");
}

}  // namespace
