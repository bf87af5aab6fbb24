#include "db/LookupLists.h"
#include "db/Movies.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

class LookupLists : public testing::Test {
protected:
    test::TestCatalogue files;
    db::Connection& connection = files.open();

    int addMovie(const QString& title, const QString& genreIds = {}, int ratingId = 2) {
        return test::AddMovie(connection, title, genreIds, 2, ratingId);
    }
    int count(const QString& sql, db::Values values = {}) {
        return connection.scalar(sql, values).toInt();
    }
};

// An empty name is stored as empty, never null, so that it is found again.
TEST_F(LookupLists, AddRefusesAnEqualNameInOtherCaseButNotOneWithBlanks) {
    EXPECT_FALSE(db::AddLookupName(connection, db::LookupTable::Rating, "pg-13"));
    EXPECT_TRUE(db::AddLookupName(connection, db::LookupTable::Rating, "PG-13 "));
    EXPECT_FALSE(db::AddLookupName(connection, db::LookupTable::Location, "LIVING ROOM"));
    EXPECT_TRUE(db::AddLookupName(connection, db::LookupTable::Media, QString()));
    EXPECT_FALSE(db::AddLookupName(connection, db::LookupTable::Media, ""));
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Rating] WHERE [Name] = 'PG-13 '"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Location]"), 6);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Media] WHERE [Name] IS NULL"), 0);
}

TEST_F(LookupLists, RenameRefusesAnotherEntrysNameAndDeleteKeepsTheRowsInUse) {
    EXPECT_FALSE(db::RenameLookupName(connection, db::LookupTable::Media, "VHS", "dvd"));
    EXPECT_TRUE(db::RenameLookupName(connection, db::LookupTable::Media, "vhs", "Vhs"));
    // Two rows of one name, as another program may leave them: the one in use stays.
    connection.execute("INSERT INTO [Media] ([Name]) VALUES ('DVD')");
    const int used = connection.scalar("SELECT MAX([MediaId]) FROM [Media]").toInt();
    connection.execute("UPDATE [Movie] SET [MediaId] = ? WHERE [MovieId] = ?",
                       {used, addMovie("Alien")});
    db::RenameLookupName(connection, db::LookupTable::Media, "dvd", "Disc");
    db::DeleteLookupName(connection, db::LookupTable::Media, "DISC");
    EXPECT_EQ(count("SELECT [MediaId] FROM [Media] WHERE [Name] IN ('Disc', 'DVD')"), used);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Media] WHERE [Name] IN ('Vhs', 'Disc')"), 2);
}

// Genres count the distinct movies linked to them; the old GenreId column says nothing.
TEST_F(LookupLists, EachListCountsTheMoviesThatUseAnEntry) {
    const int first = addMovie("First", "7/7/4", 5);
    addMovie("Second", "7");
    db::SetMovieCast(connection, addMovie("Third", "4", 5), {"Humphrey Bogart", "Ingrid Bergman"});
    connection.execute("UPDATE [Movie] SET [GenreId] = 9");
    using db::LookupTable;
    const int bogart = db::FindLookupId(connection, LookupTable::Actor, "Humphrey Bogart");
    const std::tuple<LookupTable, int, int> cases[] = {
        {LookupTable::Genre, 7, 2},     {LookupTable::Genre, 4, 2}, {LookupTable::Genre, 9, 0},
        {LookupTable::Rating, 5, 2},    {LookupTable::Media, 2, 3}, {LookupTable::Location, 3, 0},
        {LookupTable::Actor, bogart, 1}};
    for (const auto& [table, id, movies] : cases)
        EXPECT_EQ(db::CountLookupUses(connection, table, id), movies)
            << db::TableName(table).toStdString();

    // Links left behind by a movie that is gone hold nothing in use.
    connection.execute("DELETE FROM [Movie] WHERE [MovieId] = ?", {first});
    EXPECT_EQ(db::CountLookupUses(connection, LookupTable::Genre, 7), 1);
}

}  // namespace
