#include "db/Movies.h"

#include "db/CaseKeys.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/LookupTable.h"
#include "db/StoredDate.h"
#include "db/Transaction.h"
#include "db/UnicodeCase.h"

#include <QCoreApplication>
#include <array>

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
const QString DeleteCastLinks = QStringLiteral("DELETE FROM [MovieActor] WHERE [MovieId] = ?");

// A movie's links are written a few rows to a statement: most casts in one, rather than a
// statement for each actor.
constexpr int LinksPerStatement = 8;

using LinkInserts = std::array<QString, LinksPerStatement + 1>;  // by the number of rows

LinkInserts linkInserts(const char* table, const char* column) {
    LinkInserts inserts;
    for (int rows = 1; rows <= LinksPerStatement; ++rows) {
        QStringList values;
        values.fill(QStringLiteral("(?, ?)"), rows);
        inserts[size_t(rows)] = QStringLiteral("INSERT INTO [%1] ([MovieId], [%2]) VALUES ")
                                    .arg(QLatin1String(table), QLatin1String(column)) +
                                values.join(QStringLiteral(", "));
    }
    return inserts;
}

const LinkInserts InsertGenreLinks = linkInserts("MovieGenre", "GenreId");
const LinkInserts InsertCastLinks = linkInserts("MovieActor", "ActorId");

// The links of one movie, in the order given, which is the order they are read back in.
void addLinks(Connection& connection, const LinkInserts& inserts, int movieId,
              const QList<int>& ids) {
    QVariantList values;
    values.reserve(2 * LinksPerStatement);
    for (qsizetype first = 0; first < ids.size(); first += LinksPerStatement) {
        const qsizetype rows = std::min<qsizetype>(LinksPerStatement, ids.size() - first);
        values.clear();
        for (qsizetype i = first; i < first + rows; ++i)
            values << movieId << ids[i];
        connection.execute(inserts[size_t(rows)], values);
    }
}
const QString DeleteMovieRow = QStringLiteral("DELETE FROM [Movie] WHERE [MovieId] = ?");
const QString MovieExists = QStringLiteral("SELECT COUNT(*) FROM [Movie] WHERE [MovieId] = ?");

// Another window or program deleted the movie while it was shown: writing its links would
// leave them pointing at nothing.
MovieGone movieGone() {
    return MovieGone(
        QCoreApplication::translate("db::Movies",
                                    "This movie is no longer in the catalogue: another window or "
                                    "program has deleted it. Your changes to it were not saved."));
}

int insertRow(Connection& connection, const MovieRecord& movie) {
    return static_cast<int>(connection.insert(
        InsertRow, {movie.locationId, movie.mediaId, movie.ratingId, NotNull(movie.title),
                    NotNull(movie.labelNumber), NotNull(movie.director), NotNull(movie.producer),
                    movie.releaseYear, movie.minutes, movie.stars,
                    StoredDateText(movie.acquireDate), movie.cost.toDouble(), NotNull(movie.lentTo),
                    StoredDateText(movie.lentDate), NotNull(movie.notes), CaseFold(movie.title)}));
}

void updateRow(Connection& connection, int movieId, const MovieRecord& movie) {
    const int changed = connection.execute(
        UpdateRow,
        {movie.locationId, movie.mediaId, movie.ratingId, NotNull(movie.title),
         NotNull(movie.labelNumber), NotNull(movie.director), NotNull(movie.producer),
         movie.releaseYear, movie.minutes, movie.stars, StoredDateText(movie.acquireDate),
         movie.cost.toDouble(), NotNull(movie.lentTo), StoredDateText(movie.lentDate),
         NotNull(movie.notes), CaseFold(movie.title), movieId});
    if (changed == 0)
        throw movieGone();
}

void addGenreLinks(Connection& connection, int movieId, const QString& genreIds) {
    QList<int> ids;
    for (QStringView piece : QStringView(genreIds).split(u'/', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int genreId = piece.trimmed().toInt(&ok);
        if (ok)
            ids.append(genreId);
    }
    addLinks(connection, InsertGenreLinks, movieId, ids);
}

void addCastLinks(Connection& connection, int movieId, const QList<int>& actorIds) {
    addLinks(connection, InsertCastLinks, movieId, actorIds);
}

}  // namespace

int InsertMovie(Connection& connection, const MovieRecord& movie) {
    Transaction transaction(connection);
    if (connection.scalar(CountTitle, {CaseFold(movie.title), NotNull(movie.title)}).toInt() > 0)
        return -1;
    const int movieId = insertRow(connection, movie);
    addGenreLinks(connection, movieId, movie.genreIds);
    return movieId;
}

void UpdateMovie(Connection& connection, int movieId, const MovieRecord& movie) {
    Transaction transaction(connection);
    updateRow(connection, movieId, movie);
    connection.execute(DeleteGenreLinks, {movieId});
    addGenreLinks(connection, movieId, movie.genreIds);
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
    addCastLinks(connection, movieId, actorIds);
}

int WriteMovie(Connection& connection, int movieId, const MovieRecord& movie,
               const QList<int>& actorIds) {
    if (movieId == 0) {
        // A new movie has no links to replace.
        movieId = insertRow(connection, movie);
    } else {
        updateRow(connection, movieId, movie);
        connection.execute(DeleteGenreLinks, {movieId});
        connection.execute(DeleteCastLinks, {movieId});
    }
    addGenreLinks(connection, movieId, movie.genreIds);
    addCastLinks(connection, movieId, actorIds);
    return movieId;
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
