#include "db/DatabaseError.h"
#include "db/DuplicateMovies.h"
#include "db/MoviePictures.h"
#include "db/ProgressReporter.h"
#include "db/Repair.h"
#include "db/Upgrade.h"
#include "support/StockSqlite.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

class QuietProgress final : public db::ProgressReporter {
public:
    void ShowProgress(const QString&, int, int) override {}
    void ProgressStep(const QString&) override {}
    void CloseProgress() override {}
    bool stopRequested() const override { return false; }
};

// The store does not decode: any bytes stand in for the encoded picture.
db::PictureData picture(const char* bytes, int width = 120) {
    db::PictureData data;
    data.picture = QByteArray(bytes) + QByteArray(3000, '\0');  // holds NUL bytes, as JPEGs do
    data.thumbnail = QByteArray("small ") + bytes;
    data.width = width;
    data.height = 90;
    data.format = QStringLiteral("jpg");
    return data;
}

class MoviePictures : public testing::Test {
protected:
    int count() { return connection.scalar("SELECT COUNT(*) FROM [MoviePicture]").toInt(); }

    test::TestCatalogue files;
    db::Connection& connection = files.open();
};

TEST_F(MoviePictures, AMovieHoldsOnePictureThatIsReadBackWholeReplacedAndRemoved) {
    const int alien = test::AddMovie(connection, "Alien");
    const int brazil = test::AddMovie(connection, "Brazil");
    EXPECT_TRUE(db::ReadMoviePicture(connection, alien).isEmpty());

    db::SetMoviePicture(connection, alien, picture("first"));
    db::SetMoviePicture(connection, alien, picture("second", 77));
    db::SetMoviePicture(connection, brazil, picture("third"));
    EXPECT_EQ(count(), 2) << "a new picture replaces the old one";
    const db::PictureData read = db::ReadMoviePicture(connection, alien);
    EXPECT_EQ(read.picture, picture("second").picture);
    EXPECT_EQ(read.thumbnail, "small second");
    EXPECT_EQ(read.width, 77);
    EXPECT_EQ(read.height, 90);
    EXPECT_EQ(read.format, "jpg");
    EXPECT_EQ(db::ReadMovieThumbnail(connection, brazil), "small third");
    EXPECT_EQ(db::MoviesWithPictures(connection), (QList<int>{alien, brazil}));

    db::RemoveMoviePicture(connection, alien);
    EXPECT_TRUE(db::ReadMoviePicture(connection, alien).isEmpty());
    EXPECT_TRUE(db::ReadMovieThumbnail(connection, alien).isEmpty());
    EXPECT_EQ(count(), 1);
}

TEST_F(MoviePictures, NothingIsStoredForAMovieThatIsGoneOrAnEmptyPicture) {
    EXPECT_THROW(db::SetMoviePicture(connection, 4711, picture("lost")), db::MovieGone);
    const int alien = test::AddMovie(connection, "Alien");
    EXPECT_THROW(db::SetMoviePicture(connection, alien, db::PictureData{}), db::Error);
    db::PictureData badFormat = picture("gif");
    badFormat.format = QStringLiteral("gif");
    EXPECT_THROW(db::SetMoviePicture(connection, alien, badFormat), db::DatabaseError);
    EXPECT_EQ(count(), 0);
}

// The table comes with the fourth upgrade step; before it, reads find nothing and a write says
// what to do instead of failing on a missing table.
TEST(MoviePictureTable, ComesWithTheFourthStepAndIsMissedPolitelyBeforeIt) {
    test::TestCatalogue files;
    files.catalogue().OpenDatabase(QStringLiteral("KIB"));
    db::Connection& connection = files.connection();
    for (int step = 0; step < 3; ++step)
        db::UpdateDatabase(connection);
    ASSERT_EQ(db::ReadVersion(connection), 3);
    const int alien = test::AddMovie(connection, "Alien");
    EXPECT_FALSE(db::HasPictureTable(connection));
    EXPECT_TRUE(db::ReadMoviePicture(connection, alien).isEmpty());
    EXPECT_TRUE(db::MoviesWithPictures(connection).isEmpty());
    try {
        db::SetMoviePicture(connection, alien, picture("early"));
        FAIL() << "stored without a table";
    } catch (const db::Error& error) {
        EXPECT_TRUE(error.message().contains("Open it once more")) << error.what();
    }
    db::UpdateDatabase(connection);
    EXPECT_EQ(db::ReadVersion(connection), 4);
    db::SetMoviePicture(connection, alien, picture("now"));
    EXPECT_EQ(db::MoviesWithPictures(connection), QList<int>{alien});
}

// Deleting a movie takes its picture, whoever deletes it; what another client leaves behind
// without the trigger is the repair's to remove, and the stock tool finds the file sound.
TEST_F(MoviePictures, DeletesTakeThePictureAndTheRepairRemovesOrphans) {
    const int alien = test::AddMovie(connection, "Alien");
    const int brazil = test::AddMovie(connection, "Brazil");
    const int casablanca = test::AddMovie(connection, "Casablanca");
    for (int id : {alien, brazil, casablanca})
        db::SetMoviePicture(connection, id, picture("cover"));
    db::DeleteMovieRows(connection, alien);
    EXPECT_EQ(db::MoviesWithPictures(connection), (QList<int>{brazil, casablanca}));

    const QString path = connection.path();
    EXPECT_EQ(test::StockSqlite(path, QStringLiteral("DELETE FROM Movie WHERE MovieId = %1; "
                                                     "SELECT COUNT(*) FROM MoviePicture;")
                                          .arg(brazil)),
              "1");
    test::StockSqlite(path, QStringLiteral("DROP TRIGGER Movie_DeletePicture; "
                                           "DELETE FROM Movie WHERE MovieId = %1;")
                                .arg(casablanca));
    EXPECT_EQ(db::FindRepairableProblems(connection).orphanPictures, 1);
    QuietProgress quiet;
    EXPECT_EQ(db::RepairReferences(connection, quiet), 1);
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(db::FindRepairableProblems(connection).orphanPictures, 0);
    EXPECT_EQ(test::StockSqlite(path, "PRAGMA integrity_check"), "ok");
}

TEST_F(MoviePictures, AMergeKeepsTheKeptMoviesPictureOrTakesTheOthers) {
    const int kept = test::AddMovie(connection, "Alien");
    const int other = test::AddMovie(connection, "Alien (1979)");
    db::SetMoviePicture(connection, other, picture("other's"));
    db::MergeMovies(connection, kept, other);
    EXPECT_EQ(db::ReadMovieThumbnail(connection, kept), "small other's");

    const int third = test::AddMovie(connection, "Alien, the cut");
    db::SetMoviePicture(connection, third, picture("third's"));
    db::MergeMovies(connection, kept, third);
    EXPECT_EQ(db::ReadMovieThumbnail(connection, kept), "small other's");
    EXPECT_EQ(count(), 1);
}

}  // namespace
