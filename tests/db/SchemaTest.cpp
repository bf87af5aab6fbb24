#include "db/DatabaseError.h"
#include "db/Schema.h"
#include "db/Upgrade.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace {

int count(db::Connection& connection, const QString& sql) {
    return connection.scalar(sql).toInt();
}

// One text per table: its columns as "name type [NOT NULL]", then its indexes.
QString shape(db::Connection& connection, const QString& table) {
    QStringList parts;
    QSqlQuery column = connection.query(QStringLiteral("PRAGMA table_info([%1])").arg(table));
    while (column.next())
        parts.append(column.value(1).toString() + ' ' + column.value(2).toString() +
                     (column.value(3).toBool() ? " NOT NULL" : ""));
    QSqlQuery index = connection.query(
        "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? AND sql IS NOT "
        "NULL ORDER BY name",
        {table});
    while (index.next())
        parts.append(index.value(0).toString());
    return parts.join(", ");
}

TEST(NewCatalogue, IsSeededAtVersionZeroWithoutMovieGenre) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    db::Connection& connection = files.connection();
    const std::pair<const char*, int> seeds[] = {
        {"Actor", 184}, {"Location", 6}, {"Genre", 19}, {"Media", 4}, {"Rating", 7}};
    for (const auto& [table, rows] : seeds) {
        EXPECT_EQ(count(connection, QStringLiteral("SELECT COUNT(*) FROM [%1]").arg(table)), rows);
        if (rows < 100) {
            EXPECT_EQ(connection.scalar(
                          QStringLiteral("SELECT [Name] FROM [%1] WHERE [%1Id] = 1").arg(table)),
                      "(none)");
        }
    }
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Version]"), 0);
    EXPECT_FALSE(connection.hasTable(QStringLiteral("MovieGenre")));
}

TEST(NewCatalogue, HasTheDescribedColumnsAndIndexesAndRefusesWhatTheyCannotHold) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    EXPECT_EQ(shape(connection, "Movie"),
              "MovieId INTEGER, GenreId INTEGER NOT NULL, LocationId INTEGER NOT NULL, "
              "MediaId INTEGER NOT NULL, RatingId INTEGER NOT NULL, Title TEXT, "
              "LabelNumber TEXT NOT NULL, Director TEXT, Producer TEXT, "
              "ReleaseYear INTEGER NOT NULL, Minutes INTEGER NOT NULL, Stars REAL NOT NULL, "
              "AcquireDate TEXT NOT NULL, Cost REAL NOT NULL, LentTo TEXT, "
              "LentDate TEXT NOT NULL, Notes TEXT, TitleKey TEXT, ImageFile VARCHAR(255), "
              "Movie_Title, Movie_TitleKey");
    EXPECT_EQ(shape(connection, "Actor"),
              "ActorId INTEGER, Name TEXT, NameKey TEXT, Actor_Name, Actor_NameKey");
    EXPECT_EQ(shape(connection, "MovieGenre"),
              "MovieId INTEGER NOT NULL, GenreId INTEGER NOT NULL, MovieGenre_PrimaryKey");
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM sqlite_master WHERE sql LIKE '%UNIQUE%'"), 0);

    const QString insert = QStringLiteral(
        "INSERT INTO [Movie] ([GenreId], [LocationId], [MediaId], [RatingId], [Title], "
        "[LabelNumber], [ReleaseYear], [Minutes], [Stars], [AcquireDate], [Cost], [LentDate]) "
        "VALUES (0, 1, 1, 1, ?, ?, 0, 0, 0, '1899-01-01 00:00:00', 0, '1899-01-01 00:00:00')");
    EXPECT_THROW(connection.execute(insert, {QStringLiteral("A"), QVariant()}), db::DatabaseError);
    EXPECT_THROW(connection.execute(insert, {QString(101, u'x'), QStringLiteral("1")}),
                 db::DatabaseError);
    EXPECT_NO_THROW(connection.execute(insert, {QString(100, u'x'), QStringLiteral("1")}));
    EXPECT_THROW(
        connection.execute("INSERT INTO [Rating] ([Name]) VALUES (?)", {QString(51, u'r')}),
        db::DatabaseError);
}

TEST(CreateDatabase, LeavesNoCatalogueWhenTheBuildFailsAndReplacesALeftover) {
    test::TestCatalogue files;
    const QString broken = files.path("BROKEN.db");
    // A folder where the temporary file must go makes the build fail.
    ASSERT_TRUE(QDir().mkpath(broken + ".building/blocker"));
    EXPECT_THROW(db::CreateDatabase(broken), db::Error);
    EXPECT_FALSE(QFile::exists(broken));

    const QString path = files.path("KIB.db");
    ASSERT_TRUE(test::WriteFile(path + ".building", "half a catalogue"));
    db::CreateDatabase(path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + ".building"));
}

}  // namespace
