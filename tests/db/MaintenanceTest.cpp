#include "db/DatabaseError.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/ProgressReporter.h"
#include "db/Repair.h"
#include "db/StartOver.h"
#include "db/UnusedActors.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

using db::LookupTable;

// Records what the repair shows and plays a user who presses Cancel at a given step.
class RecordingProgress final : public db::ProgressReporter {
public:
    void ShowProgress(const QString& status, int firstStep, int lastStep) override {
        calls.append(QStringLiteral("show %1 %2-%3").arg(status).arg(firstStep).arg(lastStep));
        stop = false;
    }
    void ProgressStep(const QString&) override {
        if (++steps == cancelAtStep)
            stop = true;
    }
    void CloseProgress() override {
        calls.append("close");
        stop = true;
    }
    bool stopRequested() const override { return stop; }

    QStringList calls;
    int steps = 0;
    int cancelAtStep = 0;
    bool stop = true;
};

class Maintenance : public testing::Test {
protected:
    int addMovie(const QString& title, int locationId = 2, int ratingId = 2) {
        return test::AddMovie(connection, title, {}, locationId, ratingId);
    }
    int column(const char* name, int movieId) {
        return connection
            .scalar(QStringLiteral("SELECT [%1] FROM [Movie] WHERE [MovieId] = ?").arg(name),
                    {movieId})
            .toInt();
    }
    int unknownRows(LookupTable table) {
        return connection
            .scalar(QStringLiteral("SELECT COUNT(*) FROM [%1] WHERE [Name] = '(unknown)'")
                        .arg(db::TableName(table)))
            .toInt();
    }

    test::TestCatalogue files;
    db::Connection& connection = files.open();
    RecordingProgress progress;
};

// Every movie the program writes has GenreId 0, which is no problem: genres live in MovieGenre.
TEST_F(Maintenance, BrokenReferencesPointAtOneUnknownRowPerTableAndOrphanLinksGo) {
    const int first = addMovie("Alien", 99);
    const int sound = addMovie("Brazil");
    const int second = addMovie("Casablanca", 98, 77);
    // Links of a movie that is gone count as problems too.
    connection.execute("INSERT INTO [MovieActor] VALUES (999, 1)");
    connection.execute("INSERT INTO [MovieGenre] VALUES (999, 4)");
    EXPECT_EQ(db::RepairReferences(connection, progress), 5);
    EXPECT_EQ(progress.calls, (QStringList{"show Check database 1-3", "close"}));
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] = 999"), 0);

    const int unknownLocation = db::FindLookupId(connection, LookupTable::Location, "(unknown)");
    EXPECT_EQ(column("LocationId", first), unknownLocation);
    EXPECT_EQ(column("LocationId", second), unknownLocation) << "the second reuses the row";
    EXPECT_EQ(unknownRows(LookupTable::Location), 1);
    EXPECT_EQ(column("RatingId", second),
              db::FindLookupId(connection, LookupTable::Rating, "(unknown)"));
    EXPECT_EQ(column("LocationId", sound), 2);
    for (LookupTable table : {LookupTable::Genre, LookupTable::Media})
        EXPECT_EQ(unknownRows(table), 0) << db::TableName(table).toStdString();

    EXPECT_EQ(db::RepairReferences(connection, progress), 0) << "nothing is left to repair";
}

TEST_F(Maintenance, CancelAtTheFirstMovieEndsTheRepairAfterItAndKeepsItsRepair) {
    const int later = addMovie("Brazil", 99);
    const int first = addMovie("alien", 99);
    progress.cancelAtStep = 1;
    EXPECT_EQ(db::RepairReferences(connection, progress), 1);
    EXPECT_EQ(progress.steps, 1);
    EXPECT_EQ(progress.calls.last(), "close");
    EXPECT_NE(column("LocationId", first), 99) << "the first in title order is repaired";
    EXPECT_EQ(column("LocationId", later), 99);
}

TEST_F(Maintenance, AFailingRepairClosesTheProgressWindow) {
    addMovie("Alien", 99);
    connection.execute(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE INSERT ON [Location] BEGIN SELECT RAISE(ABORT, 'full'); "
        "END"));
    EXPECT_THROW(db::RepairReferences(connection, progress), db::DatabaseError);
    EXPECT_EQ(progress.calls.last(), "close");
}

// Keeping the actors of a cast and the count are tested with the Tools command.
TEST_F(Maintenance, DeleteUnusedActorsWithNoCastAtAllDeletesEveryActor) {
    EXPECT_EQ(db::DeleteUnusedActors(connection), 184);
    EXPECT_TRUE(db::LookupNames(connection, LookupTable::Actor).isEmpty());
}

TEST_F(Maintenance, AStartOverThatCannotDeleteTheFileReopensItAndStops) {
    addMovie("Alien");
    int attempts = 0;
    try {
        db::StartOver(files.catalogue(), [&](const QString& path) {
            ++attempts;
            throw db::Error(QStringLiteral("'%1' could not be deleted: Device busy").arg(path));
        });
        FAIL() << "no error";
    } catch (const db::Error& error) {
        EXPECT_TRUE(error.message().contains("Device busy")) << error.message().toStdString();
    }
    EXPECT_EQ(attempts, 1) << "nothing is tried again";
    ASSERT_TRUE(files.catalogue().isOpen());
    EXPECT_EQ(db::CountMovies(files.connection()), 1) << "the old catalogue is open again";
}

TEST(RemoveCatalogueFiles, RemovesTheFileAndWhatSqliteKeepsBesideIt) {
    test::TestCatalogue files;
    const QString path = files.path("OLD.db");
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        ASSERT_TRUE(test::WriteFile(path + suffix, {}));
    db::RemoveCatalogueFiles(path);
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        EXPECT_FALSE(QFile::exists(path + suffix)) << suffix;
    EXPECT_NO_THROW(db::RemoveCatalogueFiles(path)) << "files that are not there are no error";
}

}  // namespace
