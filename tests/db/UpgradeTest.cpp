#include "db/DatabaseError.h"
#include "db/Upgrade.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

int count(db::Connection& connection, const QString& sql) {
    return connection.scalar(sql).toInt();
}

void addVersionZeroMovie(db::Connection& connection, const QString& title, int genreId) {
    connection.execute(
        "INSERT INTO [Movie] ([GenreId], [LocationId], [MediaId], [RatingId], [Title], "
        "[LabelNumber], [ReleaseYear], [Minutes], [Stars], [AcquireDate], [Cost], [LentDate]) "
        "VALUES (?, 1, 1, 1, ?, '', 0, 0, 0, '1899-01-01 00:00:00', 0, '1899-01-01 00:00:00')",
        {genreId, title});
}

TEST(UpdateDatabase, TakesOneStepPerOpening) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    db::Connection& connection = files.connection();

    db::UpdateDatabase(connection);
    EXPECT_EQ(db::ReadVersion(connection), 1);
    EXPECT_TRUE(connection.hasTable("MovieGenre"));
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Genre] WHERE [Name] = '(none)'"), 1)
        << "the (none) genre stays until the next opening";

    db::UpdateDatabase(connection);
    EXPECT_EQ(db::ReadVersion(connection), 2);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Genre] WHERE [Name] = '(none)'"), 0);

    db::UpdateDatabase(connection);
    EXPECT_EQ(db::ReadVersion(connection), 3);
    EXPECT_EQ(count(connection,
                    "SELECT COUNT(*) FROM pragma_table_info('Movie') "
                    "WHERE name = 'ImageFile'"),
              1);

    db::UpdateDatabase(connection);
    EXPECT_EQ(db::ReadVersion(connection), 3);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Version]"), 1);
}

TEST(UpdateDatabase, CopiesEveryMoviesSingleGenre) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    db::Connection& connection = files.connection();
    addVersionZeroMovie(connection, "Zero", 0);
    addVersionZeroMovie(connection, "None", 1);
    addVersionZeroMovie(connection, "Comedy", 4);
    db::UpdateDatabase(connection);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [MovieGenre]"), 3);
    EXPECT_EQ(count(connection, "SELECT [GenreId] FROM [MovieGenre] WHERE [MovieId] = 3"), 4);
    EXPECT_EQ(count(connection, "SELECT [GenreId] FROM [Movie] WHERE [MovieId] = 3"), 4)
        << "the old column is left as it was";
}

TEST(UpdateDatabase, TheFirstVersionRowDecidesAndOneRowRemains) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    connection.execute("DELETE FROM [Version]");
    connection.execute("INSERT INTO [Version] ([Version]) VALUES (2)");
    connection.execute("INSERT INTO [Version] ([Version]) VALUES (0)");
    connection.execute("ALTER TABLE [Movie] RENAME COLUMN [ImageFile] TO [Picture]");
    db::UpdateDatabase(connection);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Version]"), 1);
    EXPECT_EQ(db::ReadVersion(connection), 3);
}

TEST(UpdateDatabase, AFailedStepLeavesNothingAndKeepsTheVersion) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    db::Connection& connection = files.connection();
    db::UpdateDatabase(connection);
    db::UpdateDatabase(connection);
    // The column the third step adds is there already, so its ALTER TABLE fails.
    connection.execute("ALTER TABLE [Movie] ADD COLUMN [ImageFile] TEXT");
    connection.execute("INSERT INTO [Genre] ([Name]) VALUES ('(none)')");
    try {
        db::UpdateDatabase(connection);
        FAIL() << "the step should have failed";
    } catch (const db::Error& error) {
        EXPECT_TRUE(error.message().contains("version 3")) << error.message().toStdString();
    }
    EXPECT_EQ(db::ReadVersion(connection), 2);
    EXPECT_EQ(count(connection, "SELECT COUNT(*) FROM [Version]"), 1);
}

TEST(UpdateDatabase, AFailedGenreCopyLeavesNoMovieGenreTable) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    db::Connection& connection = files.connection();
    addVersionZeroMovie(connection, "One", 4);
    // A trigger that refuses the new version stands in for any failure late in the step.
    connection.execute(
        "CREATE TRIGGER [refuse] BEFORE INSERT ON [Version] "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_THROW(db::UpdateDatabase(connection), db::Error);
    EXPECT_FALSE(connection.hasTable("MovieGenre"));
    EXPECT_EQ(db::ReadVersion(connection), 0);
}

TEST(UpdateDatabase, LeavesAVersionItDoesNotKnowAlone) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    db::SetVersion(connection, 9);
    db::UpdateDatabase(connection);
    EXPECT_EQ(db::ReadVersion(connection), 9);
}

TEST(OpenDatabase, RefusesAFileThatIsNotACatalogueAndLeavesIt) {
    test::TestCatalogue files;
    const QByteArray notes = "These are my notes, not a catalogue.\n";
    {
        QFile file(files.path("NOTES.db"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(notes);
    }
    {
        QFile empty(files.path("EMPTY.db"));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    }
    try {
        files.catalogue().OpenDatabase(QStringLiteral("NOTES"));
        FAIL() << "a text file was opened as a catalogue";
    } catch (const db::Error& error) {
        EXPECT_TRUE(error.message().contains("NOTES.db")) << error.message().toStdString();
    }
    EXPECT_FALSE(files.catalogue().isOpen());
    QFile file(files.path("NOTES.db"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), notes);
    EXPECT_THROW(files.catalogue().OpenDatabase(QStringLiteral("EMPTY")), db::Error);
    EXPECT_EQ(QFile(files.path("EMPTY.db")).size(), 0);
}

TEST(OpenDatabase, RefusesAnSqliteFileWithoutVersionTableAndLeavesIt) {
    test::TestCatalogue files;
    const QString path = files.path("OTHER.db");
    {
        auto other = db::Connection::open(path);
        other->execute("CREATE TABLE [Recipes] ([Name] TEXT)");
    }
    const QByteArray before = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    EXPECT_THROW(files.catalogue().OpenDatabase(QStringLiteral("OTHER")), db::Error);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace
