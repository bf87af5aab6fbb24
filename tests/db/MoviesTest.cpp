#include "db/DatabaseError.h"
#include "db/Genres.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/StoredDate.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

db::MovieRecord movie(const QString& title, const QString& genreIds = {}) {
    db::MovieRecord record;
    record.title = title;
    record.genreIds = genreIds;
    record.locationId = 2;
    record.mediaId = 3;
    record.ratingId = 4;
    record.labelNumber = QStringLiteral("A-17");
    record.releaseYear = 1977;
    record.minutes = 121;
    record.stars = 4.5;
    record.acquireDate = db::CatalogueDateTime(QDate(2004, 3, 15), QTime(10, 20, 30));
    record.cost = db::Currency::fromDouble(12.5);
    record.notes = QStringLiteral("first line\nsecond line");
    return record;
}

class Movies : public testing::Test {
protected:
    test::TestCatalogue files;
    db::Connection& connection = files.open();
};

TEST_F(Movies, InsertWritesEveryFieldAndTheGenreLinksAndRefusesATitleInOtherCase) {
    const int id = db::InsertMovie(connection, movie(QStringLiteral("Schindler's List"), "13/4"));
    ASSERT_GT(id, 0);
    QSqlQuery row = connection.query("SELECT * FROM [Movie] WHERE [MovieId] = ?", {id});
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.value("GenreId").toInt(), 0);
    EXPECT_EQ(row.value("LabelNumber").toString(), "A-17");
    EXPECT_EQ(row.value("Cost").toDouble(), 12.5);
    EXPECT_EQ(row.value("AcquireDate").toString(), "2004-03-15 10:20:30");
    EXPECT_EQ(row.value("LentDate").toString(), db::EmptyDateText);
    EXPECT_EQ(row.value("Notes").toString(), "first line\nsecond line");
    EXPECT_EQ(db::GetGenreText(connection, id), "Science Fiction / Comedy");

    EXPECT_EQ(db::InsertMovie(connection, movie(QStringLiteral("SCHINDLER'S LIST"), "4")), -1);
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [MovieGenre]").toInt(), 2);
}

TEST_F(Movies, TheNewIdIsTheRowJustWrittenEvenWhenOthersWrite) {
    // Triggers stand in for another writer whose rows land right after ours with higher ids.
    connection.execute(
        "CREATE TRIGGER [elsewhere] AFTER INSERT ON [Movie] WHEN NEW.[Title] <> 'Elsewhere' "
        "BEGIN INSERT INTO [Movie] ([GenreId], [LocationId], [MediaId], [RatingId], [Title], "
        "[LabelNumber], [ReleaseYear], [Minutes], [Stars], [AcquireDate], [Cost], [LentDate]) "
        "VALUES (0, 1, 1, 1, 'Elsewhere', '', 0, 0, 0, '', 0, ''); END");
    connection.execute(
        "CREATE TRIGGER [otherActor] AFTER INSERT ON [Actor] WHEN NEW.[Name] <> "
        "'Other' BEGIN INSERT INTO [Actor] ([Name]) VALUES ('Other'); END");
    const int id = db::InsertMovie(connection, movie(QStringLiteral("Ours"), "4"));
    EXPECT_EQ(connection.scalar("SELECT [Title] FROM [Movie] WHERE [MovieId] = ?", {id}), "Ours");
    EXPECT_EQ(db::GetGenreText(connection, id), "Comedy");
    const int actor = db::LookupOrAddId(connection, db::LookupTable::Actor, "New Face");
    EXPECT_EQ(connection.scalar("SELECT [Name] FROM [Actor] WHERE [ActorId] = ?", {actor}),
              "New Face");
}

TEST_F(Movies, UpdateRewritesFieldsAndReplacesGenres) {
    const int id = db::InsertMovie(connection, movie(QStringLiteral("Alien"), "9/13"));
    db::MovieRecord changed = movie(QStringLiteral("Aliens"), "3//7/");
    changed.acquireDate = QDateTime();
    changed.stars = 3;
    db::UpdateMovie(connection, id, changed);
    EXPECT_EQ(db::GetMovieGenres(connection, id).ids, "3/7");
    EXPECT_EQ(connection.scalar("SELECT [Title] FROM [Movie] WHERE [MovieId] = ?", {id}), "Aliens");
    EXPECT_EQ(connection.scalar("SELECT [AcquireDate] FROM [Movie] WHERE [MovieId] = ?", {id}),
              db::EmptyDateText);
    db::UpdateMovie(connection, id, movie(QStringLiteral("Aliens")));
    EXPECT_EQ(db::GetGenreText(connection, id), db::NoGenreText);
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [MovieGenre] WHERE [MovieId] = ?", {id}), 0);
}

TEST_F(Movies, CastIsExactlyTheNamedActorsThatExist) {
    const int id = db::InsertMovie(connection, movie(QStringLiteral("Casablanca")));
    db::SetMovieCast(connection, id, {"humphrey bogart", "Nobody Known", "Ingrid Bergman"});
    db::SetMovieCast(connection, id, {"Humphrey Bogart", "Ingrid Bergman"});
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] = ?", {id}), 2);
}

TEST_F(Movies, AllGenreTextsInOneQueryMatchTheTextOfEachMovie) {
    const int a = db::InsertMovie(connection, movie(QStringLiteral("A"), "13/4"));
    const int b = db::InsertMovie(connection, movie(QStringLiteral("B")));
    const int c = db::InsertMovie(connection, movie(QStringLiteral("C"), "7/99"));
    const QHash<int, QString> texts = db::GetAllGenreTexts(connection);
    for (int id : {a, b, c})
        EXPECT_EQ(texts.value(id, db::NoGenreText), db::GetGenreText(connection, id)) << id;
    EXPECT_EQ(texts.value(c), "Drama") << "a link to a genre that is gone drops out";
}

}  // namespace
