#include "db/Movies.h"

#include "db/CaseKeys.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/LookupTable.h"
#include "db/StoredDate.h"
#include "db/Transaction.h"
#include "db/UnicodeCase.h"

namespace db {

namespace {

const QString TitleMatch = KeyMatch(QStringLiteral("TitleKey"), QStringLiteral("Title"));
const QString CountTitle = QStringLiteral("SELECT COUNT(*) FROM [Movie] WHERE ") + TitleMatch;
const QString FindTitle = QStringLiteral("SELECT MIN([MovieId]) FROM [Movie] WHERE ") + TitleMatch;

const QString InsertRow = QStringLiteral(
    "INSERT INTO [Movie] ([GenreId], [LocationId], [MediaId], [RatingId], [Title], "
    "[LabelNumber], [Director], [Producer], [ReleaseYear], [Minutes], [Stars], [AcquireDate], "
    "[Cost], [LentTo], [LentDate], [Notes], [TitleKey]) "
    "VALUES (0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

const QString UpdateRow = QStringLiteral(
    "UPDATE [Movie] SET [LocationId] = ?, [MediaId] = ?, [RatingId] = ?, [Title] = ?, "
    "[LabelNumber] = ?, [Director] = ?, [Producer] = ?, [ReleaseYear] = ?, [Minutes] = ?, "
    "[Stars] = ?, [AcquireDate] = ?, [Cost] = ?, [LentTo] = ?, [LentDate] = ?, [Notes] = ?, "
    "[TitleKey] = ? WHERE [MovieId] = ?");

const QString DeleteGenreLinks = QStringLiteral("DELETE FROM [MovieGenre] WHERE [MovieId] = ?");
const QString InsertGenreLink =
    QStringLiteral("INSERT INTO [MovieGenre] ([MovieId], [GenreId]) VALUES (?, ?)");
const QString DeleteCastLinks = QStringLiteral("DELETE FROM [MovieActor] WHERE [MovieId] = ?");
const QString InsertCastLink =
    QStringLiteral("INSERT INTO [MovieActor] ([MovieId], [ActorId]) VALUES (?, ?)");
const QString DeleteMovieRow = QStringLiteral("DELETE FROM [Movie] WHERE [MovieId] = ?");
const QString MovieExists = QStringLiteral("SELECT COUNT(*) FROM [Movie] WHERE [MovieId] = ?");

// Another window or program deleted the movie while it was shown: writing its links would
// leave them pointing at nothing.
MovieGone movieGone() {
    return MovieGone(
        QStringLiteral("This movie is no longer in the catalogue: another window or "
                       "program has deleted it. Your changes to it were not saved."));
}

void writeGenreLinks(Connection& connection, int movieId, const QString& genreIds) {
    connection.execute(DeleteGenreLinks, {movieId});
    for (QStringView piece : QStringView(genreIds).split(u'/', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int genreId = piece.trimmed().toInt(&ok);
        if (ok)
            connection.execute(InsertGenreLink, {movieId, genreId});
    }
}

}  // namespace

int InsertMovie(Connection& connection, const MovieRecord& movie) {
    Transaction transaction(connection);
    if (connection.scalar(CountTitle, {CaseFold(movie.title), NotNull(movie.title)}).toInt() > 0)
        return -1;
    const int movieId = static_cast<int>(connection.insert(
        InsertRow, {movie.locationId, movie.mediaId, movie.ratingId, NotNull(movie.title),
                    NotNull(movie.labelNumber), NotNull(movie.director), NotNull(movie.producer),
                    movie.releaseYear, movie.minutes, movie.stars,
                    StoredDateText(movie.acquireDate), movie.cost.toDouble(), NotNull(movie.lentTo),
                    StoredDateText(movie.lentDate), NotNull(movie.notes), CaseFold(movie.title)}));
    writeGenreLinks(connection, movieId, movie.genreIds);
    return movieId;
}

void UpdateMovie(Connection& connection, int movieId, const MovieRecord& movie) {
    Transaction transaction(connection);
    const int changed = connection.execute(
        UpdateRow,
        {movie.locationId, movie.mediaId, movie.ratingId, NotNull(movie.title),
         NotNull(movie.labelNumber), NotNull(movie.director), NotNull(movie.producer),
         movie.releaseYear, movie.minutes, movie.stars, StoredDateText(movie.acquireDate),
         movie.cost.toDouble(), NotNull(movie.lentTo), StoredDateText(movie.lentDate),
         NotNull(movie.notes), CaseFold(movie.title), movieId});
    if (changed == 0)
        throw movieGone();
    writeGenreLinks(connection, movieId, movie.genreIds);
}

void SetMovieCast(Connection& connection, int movieId, const QStringList& actorNames) {
    QList<int> actorIds;
    for (const QString& name : actorNames) {
        if (const int actorId = FindLookupId(connection, LookupTable::Actor, name); actorId > 0)
            actorIds.append(actorId);
    }
    SetMovieCastIds(connection, movieId, actorIds);
}

void SetMovieCastIds(Connection& connection, int movieId, const QList<int>& actorIds) {
    Transaction transaction(connection);
    if (connection.scalar(MovieExists, {movieId}).toInt() == 0)
        throw movieGone();
    connection.execute(DeleteCastLinks, {movieId});
    for (const int actorId : actorIds)
        connection.execute(InsertCastLink, {movieId, actorId});
}

void DeleteMovieRows(Connection& connection, int movieId) {
    Transaction transaction(connection);
    connection.execute(DeleteCastLinks, {movieId});
    connection.execute(DeleteGenreLinks, {movieId});
    connection.execute(DeleteMovieRow, {movieId});
}

int CountMovies(Connection& connection) {
    return connection.scalar(QStringLiteral("SELECT COUNT(*) FROM [Movie]")).toInt();
}

int FindMovieByTitle(Connection& connection, const QString& title) {
    return connection.scalar(FindTitle, {CaseFold(title), NotNull(title)}).toInt();
}

}  // namespace db
