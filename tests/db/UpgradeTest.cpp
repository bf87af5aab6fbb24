#include "db/DatabaseError.h"
#include "db/Upgrade.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

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

// A version-0 file's movies each get their single genre copied; every opening then takes one
// step, and a version this program does not know is left alone.
TEST(UpdateDatabase, TakesOneStepPerOpening) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    db::Connection& connection = files.connection();
    addVersionZeroMovie(connection, "Zero", 0);
    addVersionZeroMovie(connection, "Comedy", 4);

    db::UpdateDatabase(connection);
    EXPECT_EQ(db::ReadVersion(connection), 1);
    EXPECT_EQ(connection.scalar("SELECT group_concat([GenreId]) FROM [MovieGenre]"), "0,4");
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
    db::UpdateDatabase(connection);
    EXPECT_EQ(db::ReadVersion(connection), 4);
    EXPECT_TRUE(connection.hasTable("MoviePicture"));
    db::SetVersion(connection, 9);
    db::UpdateDatabase(connection);
    EXPECT_EQ(db::ReadVersion(connection), 9);
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

TEST(UpdateDatabase, AFailedStepLeavesNothingOfItAndKeepsTheVersion) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    db::Connection& connection = files.connection();
    addVersionZeroMovie(connection, "One", 4);
    // A trigger that refuses the new version stands in for any failure late in the step.
    connection.execute(
        "CREATE TRIGGER [refuse] BEFORE INSERT ON [Version] "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    try {
        db::UpdateDatabase(connection);
        FAIL() << "the step should have failed";
    } catch (const db::Error& error) {
        EXPECT_TRUE(error.message().contains("version 1")) << error.message().toStdString();
    }
    EXPECT_FALSE(connection.hasTable("MovieGenre"));
    EXPECT_EQ(db::ReadVersion(connection), 0);
}

// Each file is refused in words that say what it is, and left exactly as it was.
TEST(OpenDatabase, RefusesWhatIsNotASoundCatalogueAndLeavesIt) {
    test::TestCatalogue files;
    {
        auto other = db::Connection::open(files.path("OTHER.db"));
        other->execute("CREATE TABLE [Recipes] ([Name] TEXT)");
    }
    files.open("DAMAGED");
    files.catalogue().close();
    QByteArray damaged = test::ContentsOf(files.path("DAMAGED.db"));
    damaged.replace(100, 3900, QByteArray(3900, '\xFF'));  // the table of tables
    const std::pair<const char*, QByteArray> cases[] = {
        {"NOTES", "These are my notes, not a catalogue.\n"},
        {"EMPTY", ""},
        {"OTHER", test::ContentsOf(files.path("OTHER.db"))},
        {"DAMAGED", damaged},
    };
    for (const auto& [name, bytes] : cases) {
        const QString path = files.path(QString::fromLatin1(name) + ".db");
        ASSERT_TRUE(test::WriteFile(path, bytes));
        try {
            files.catalogue().OpenDatabase(QString::fromLatin1(name));
            ADD_FAILURE() << name << " was opened";
        } catch (const db::Error& error) {
            const QString expected = bytes == damaged
                                         ? "is damaged (database disk image is malformed)"
                                         : "is not a movie catalogue";
            EXPECT_TRUE(error.message().contains(path) && error.message().contains(expected))
                << error.message().toStdString();
        }
        EXPECT_FALSE(files.catalogue().isOpen());
        EXPECT_EQ(test::ContentsOf(path), bytes) << name;
    }
}

}  // namespace
