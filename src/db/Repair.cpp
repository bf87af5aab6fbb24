#include "db/Repair.h"

#include "db/Connection.h"
#include "db/MoviePictures.h"
#include "db/ProgressReporter.h"
#include "db/Transaction.h"

#include <QCoreApplication>
#include <vector>

namespace db {

namespace {

const QString MoviesInTitleOrder = QStringLiteral(
    "SELECT [MovieId], [MediaId], [RatingId], [LocationId] FROM [Movie] "
    "ORDER BY [Title] COLLATE UNICODE_NOCASE, [MovieId]");

// What the progress window says meanwhile; asked each time, so that it is in the language of
// the translator installed after start-up.
QString status() {
    return QCoreApplication::translate("db::Repair", "Check database");
}

// Movies per commit, so that a long repair does not commit once per movie.
constexpr int BatchSize = 500;

struct Reference {
    LookupTable table;
    int column;  // in MoviesInTitleOrder
};

constexpr Reference References[] = {
    {LookupTable::Media, 1}, {LookupTable::Rating, 2}, {LookupTable::Location, 3}};

struct MovieReferences {
    int movieId;
    int ids[3];
};

std::vector<MovieReferences> moviesInTitleOrder(Connection& connection) {
    std::vector<MovieReferences> movies;
    QSqlQuery query = connection.query(MoviesInTitleOrder);
    while (query.next()) {
        MovieReferences movie{query.value(0).toInt(), {}};
        for (int i = 0; i < 3; ++i)
            movie.ids[i] = query.value(References[i].column).toInt();  // a null reads as 0
        movies.push_back(movie);
    }
    return movies;
}

int repairMovie(Connection& connection, MovieReferences& movie) {
    int problems = 0;
    for (int i = 0; i < 3; ++i) {
        if (CheckReference(connection, movie.ids[i], References[i].table))
            continue;
        connection.execute(QStringLiteral("UPDATE [Movie] SET [%1] = ? WHERE [MovieId] = ?")
                               .arg(IdColumnName(References[i].table)),
                           {movie.ids[i], movie.movieId});
        ++problems;
    }
    return problems;
}

// Cast and genre links and pictures of movies that are gone, left by a save that raced a
// delete, or by another client that deleted movies without the pictures' trigger.
int removeOrphanLinks(Connection& connection) {
    Transaction transaction(connection);
    int removed = connection.execute(QStringLiteral(
        "DELETE FROM [MovieActor] WHERE [MovieId] NOT IN (SELECT [MovieId] FROM [Movie])"));
    if (connection.hasTable(QStringLiteral("MovieGenre")))
        removed += connection.execute(QStringLiteral(
            "DELETE FROM [MovieGenre] WHERE [MovieId] NOT IN (SELECT [MovieId] FROM [Movie])"));
    removed += RemoveOrphanPictures(connection);
    return removed;
}

// The progress window closes however the repair ends.
class ProgressRun {
public:
    ProgressRun(ProgressReporter& progress, int steps) : progress_(progress) {
        progress_.ShowProgress(status(), 1, steps);
    }
    ~ProgressRun() { progress_.CloseProgress(); }
    ProgressRun(const ProgressRun&) = delete;
    ProgressRun& operator=(const ProgressRun&) = delete;

private:
    ProgressReporter& progress_;
};

}  // namespace

bool CheckReference(Connection& connection, int& id, LookupTable table) {
    const QString count = QStringLiteral("SELECT COUNT(*) FROM [%1] WHERE [%2] = ?")
                              .arg(TableName(table), IdColumnName(table));
    if (connection.scalar(count, {id}).toInt() > 0)
        return true;
    id = LookupOrAddId(connection, table, QString::fromLatin1(UnknownName));
    return false;
}

RepairableProblems FindRepairableProblems(Connection& connection) {
    RepairableProblems problems;
    problems.orphanLinks =
        connection
            .scalar(QStringLiteral("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] NOT IN "
                                   "(SELECT [MovieId] FROM [Movie])"))
            .toInt();
    if (connection.hasTable(QStringLiteral("MovieGenre")))
        problems.orphanLinks +=
            connection
                .scalar(QStringLiteral("SELECT COUNT(*) FROM [MovieGenre] WHERE [MovieId] NOT IN "
                                       "(SELECT [MovieId] FROM [Movie])"))
                .toInt();
    problems.orphanPictures = CountOrphanPictures(connection);
    for (const Reference& reference : References) {
        const QString column = IdColumnName(reference.table);
        problems.brokenReferences +=
            connection
                .scalar(QStringLiteral("SELECT COUNT(*) FROM [Movie] WHERE [%1] NOT IN "
                                       "(SELECT [%1] FROM [%2])")
                            .arg(column, TableName(reference.table)))
                .toInt();
    }
    return problems;
}

int RepairReferences(Connection& connection, ProgressReporter& progress) {
    int problems = removeOrphanLinks(connection);
    std::vector<MovieReferences> movies = moviesInTitleOrder(connection);
    ProgressRun run(progress, static_cast<int>(movies.size()));
    size_t next = 0;
    bool stopped = false;
    while (next < movies.size() && !stopped) {
        Transaction batch(connection);
        const size_t end = std::min(movies.size(), next + BatchSize);
        for (; next < end && !stopped; ++next) {
            problems += repairMovie(connection, movies[next]);
            progress.ProgressStep(status());
            stopped = progress.stopRequested();
        }
    }
    return problems;
}

}  // namespace db
