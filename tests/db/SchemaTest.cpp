#include "db/DatabaseError.h"
#include "db/Schema.h"
#include "db/SeedRows.h"
#include "db/Upgrade.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QSqlRecord>

namespace {

int count(db::Connection& connection, const QString& sql) {
    return connection.scalar(sql).toInt();
}

// name -> "type notnull" as the file declares it
QMap<QString, QString> columns(db::Connection& connection, const QString& table) {
    QMap<QString, QString> result;
    QSqlQuery query = connection.query(QStringLiteral("PRAGMA table_info([%1])").arg(table));
    while (query.next())
        result.insert(query.value(1).toString(),
                      query.value(2).toString() + (query.value(3).toBool() ? " NOT NULL" : ""));
    return result;
}

QStringList indexes(db::Connection& connection, const QString& table) {
    QStringList result;
    QSqlQuery query = connection.query(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? "
                       "AND sql IS NOT NULL ORDER BY name"),
        {table});
    while (query.next())
        result.append(query.value(0).toString());
    return result;
}

TEST(NewCatalogue, HasTheSeedRowsWithIdsInListOrder) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    db::Connection& connection = files.connection();
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Actor]"), 184);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Location]"), 6);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Genre]"), 19);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Media]"), 4);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Rating]"), 7);
    for (const char* table : {"Genre", "Location", "Media", "Rating"})
        EXPECT_EQ(connection
                      .scalar(QStringLiteral("SELECT [Name] FROM [%1] WHERE [%1Id] = 1")
                                  .arg(QLatin1String(table)))
                      .toString(),
                  QStringLiteral("(none)"))
            << table;
    EXPECT_EQ(connection.scalar("SELECT [Name] FROM [Rating] WHERE [RatingId] = 4").toString(),
              QStringLiteral("PG-13"));
    EXPECT_EQ(connection
                  .scalar("SELECT [ActorId] FROM [Actor] WHERE [Name] = ?",
                          {QString::fromUtf8(db::SeedActors.back())})
                  .toInt(),
              184);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Actor] WHERE [Name] LIKE '%''%'"), 3)
        << "names with an apostrophe are stored with one";
}

TEST(NewCatalogue, IsAtVersionZeroWithoutMovieGenre) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    EXPECT_EQ(count(files.connection(), "SELECT COUNT(*) FROM [Version]"), 0);
    EXPECT_EQ(db::ReadVersion(files.connection()), 0);
    EXPECT_FALSE(files.connection().hasTable(QStringLiteral("MovieGenre")));
}

TEST(NewCatalogue, DeclaresTheColumnsNullabilityAndIndexes) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    const QMap<QString, QString> movie = columns(connection, QStringLiteral("Movie"));
    EXPECT_EQ(movie.keys().size(), 19);
    EXPECT_EQ(movie.value("MovieId"), "INTEGER");  // the rowid: never null
    EXPECT_EQ(movie.value("Title"), "TEXT");
    EXPECT_EQ(movie.value("LabelNumber"), "TEXT NOT NULL");
    EXPECT_EQ(movie.value("Stars"), "REAL NOT NULL");
    EXPECT_EQ(movie.value("Cost"), "REAL NOT NULL");
    EXPECT_EQ(movie.value("AcquireDate"), "TEXT NOT NULL");
    EXPECT_EQ(movie.value("Notes"), "TEXT");
    EXPECT_EQ(movie.value("ImageFile"), "VARCHAR(255)");
    EXPECT_EQ(movie.value("TitleKey"), "TEXT");
    EXPECT_EQ(columns(connection, "MovieActor").value("ActorId"), "INTEGER NOT NULL");
    EXPECT_EQ(columns(connection, "Version").value("Version"), "INTEGER NOT NULL");

    EXPECT_EQ(indexes(connection, "Movie"), (QStringList{"Movie_Title", "Movie_TitleKey"}));
    EXPECT_EQ(indexes(connection, "Actor"), (QStringList{"Actor_Name", "Actor_NameKey"}));
    EXPECT_EQ(indexes(connection, "MovieActor"), QStringList{"MovieActor_PrimaryKey"});
    EXPECT_EQ(indexes(connection, "MovieGenre"), QStringList{"MovieGenre_PrimaryKey"});
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM sqlite_master WHERE sql LIKE '%UNIQUE%'"), 0);
}

TEST(NewCatalogue, RefusesNullsWhereRequiredAndOverlongTexts) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
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
    // No index is unique: two rows may carry one name.
    EXPECT_NO_THROW(connection.execute("INSERT INTO [Rating] ([Name]) VALUES ('G')"));
}

TEST(CreateDatabase, LeavesNoCatalogueWhenTheBuildFails) {
    test::TestCatalogue files;
    const QString path = files.path("BROKEN.db");
    // A folder where the temporary file must go makes the build fail.
    ASSERT_TRUE(QDir().mkpath(path + ".building/blocker"));
    EXPECT_THROW(db::CreateDatabase(path), db::Error);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(CreateDatabase, ReplacesATemporaryFileLeftByAnEarlierFailure) {
    test::TestCatalogue files;
    const QString path = files.path("KIB.db");
    QFile leftover(path + ".building");
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write("half a catalogue");
    leftover.close();
    db::CreateDatabase(path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + ".building"));
}

}  // namespace
