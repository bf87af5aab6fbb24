#include "db/MovieDetails.h"

#include "db/Connection.h"
#include "db/Currency.h"
#include "db/LookupTable.h"
#include "db/StoredDate.h"

namespace db {

namespace {

const QString MovieQuery = QStringLiteral(
    "SELECT m.[LocationId], m.[MediaId], m.[RatingId], m.[Title], m.[LabelNumber], "
    "m.[Director], m.[Producer], m.[ReleaseYear], m.[Minutes], m.[Stars], m.[AcquireDate], "
    "m.[Cost], m.[LentTo], m.[LentDate], m.[Notes], l.[Name], "
    "(SELECT [Name] FROM [Media] WHERE [MediaId] = m.[MediaId] ORDER BY [MediaId] LIMIT 1), "
    "(SELECT [Name] FROM [Rating] WHERE [RatingId] = m.[RatingId] ORDER BY [RatingId] LIMIT 1) "
    "FROM [Movie] m INNER JOIN [Location] l ON m.[LocationId] = l.[LocationId] "
    "WHERE m.[MovieId] = ?");

// Each actor once, in the order first given to the movie: a repeated link is shown (and so
// written back) only once.
const QString CastQuery = QStringLiteral(
    "SELECT a.[Name] FROM (SELECT [ActorId], MIN(rowid) AS [First] FROM [MovieActor] "
    "WHERE [MovieId] = ? GROUP BY [ActorId]) ma "
    "INNER JOIN [Actor] a ON a.[ActorId] = ma.[ActorId] ORDER BY ma.[First]");

}  // namespace

std::optional<MovieDetails> ReadMovie(Connection& connection, int movieId) {
    QSqlQuery query = connection.query(MovieQuery, {movieId});
    if (!query.next())
        return std::nullopt;
    MovieDetails details;
    details.movieId = movieId;
    MovieRecord& record = details.record;
    record.locationId = query.value(0).toInt();
    record.mediaId = query.value(1).toInt();
    record.ratingId = query.value(2).toInt();
    record.title = query.value(3).toString();
    record.labelNumber = query.value(4).toString();
    record.director = query.value(5).toString();
    record.producer = query.value(6).toString();
    record.releaseYear = query.value(7).toInt();
    record.minutes = query.value(8).toInt();
    record.stars = query.value(9).toDouble();
    record.acquireDate = DateFromStored(query.value(10));
    record.cost = Currency::fromDouble(query.value(11).toDouble());
    record.lentTo = query.value(12).toString();
    record.lentDate = DateFromStored(query.value(13));
    record.notes = query.value(14).toString();
    details.locationName = query.value(15).toString();
    details.mediaName = query.value(16).toString();
    details.ratingName = query.value(17).toString();
    query.finish();

    details.genres = GetMovieGenres(connection, movieId);
    record.genreIds = details.genres.ids;
    QSqlQuery cast = connection.query(CastQuery, {movieId});
    while (cast.next())
        details.cast.append(cast.value(0).toString());
    return details;
}

QString ReadMovieTitle(Connection& connection, int movieId) {
    return connection
        .scalar(QStringLiteral("SELECT [Title] FROM [Movie] WHERE [MovieId] = ?"), {movieId})
        .toString();
}

int FirstLookupIdByName(Connection& connection, LookupTable table) {
    return connection
        .scalar(QStringLiteral("SELECT [%1] FROM [%2]").arg(IdColumnName(table), TableName(table)) +
                NameOrder(table) + QStringLiteral(" LIMIT 1"))
        .toInt();
}

}  // namespace db
