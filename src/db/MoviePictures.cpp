#include "db/MoviePictures.h"

#include "db/Connection.h"
#include "db/Movies.h"
#include "db/Transaction.h"

#include <QCoreApplication>

namespace db {

namespace {

const QString Table = QStringLiteral("MoviePicture");
const QString MovieExists = QStringLiteral("SELECT COUNT(*) FROM [Movie] WHERE [MovieId] = ?");
const QString WritePicture = QStringLiteral(
    "INSERT OR REPLACE INTO [MoviePicture] "
    "([MovieId], [Picture], [Thumbnail], [Width], [Height], [Format]) VALUES (?, ?, ?, ?, ?, ?)");
const QString DeletePicture = QStringLiteral("DELETE FROM [MoviePicture] WHERE [MovieId] = ?");
const QString ReadPicture = QStringLiteral(
    "SELECT [Picture], [Thumbnail], [Width], [Height], [Format] FROM [MoviePicture] "
    "WHERE [MovieId] = ?");
const QString ReadThumbnail =
    QStringLiteral("SELECT [Thumbnail] FROM [MoviePicture] WHERE [MovieId] = ?");
const QString PictureIds =
    QStringLiteral("SELECT [MovieId] FROM [MoviePicture] ORDER BY [MovieId]");
const QString Orphans =
    QStringLiteral("FROM [MoviePicture] WHERE [MovieId] NOT IN (SELECT [MovieId] FROM [Movie])");

}  // namespace

bool HasPictureTable(Connection& connection) {
    return connection.hasTable(Table);
}

void SetMoviePicture(Connection& connection, int movieId, const PictureData& picture) {
    if (!HasPictureTable(connection))
        throw Error(QCoreApplication::translate(
            "db::MoviePictures",
            "This catalogue has no place for pictures yet.  Open it once more to bring it up to "
            "date, then add the picture again."));
    if (picture.isEmpty() || picture.thumbnail.isEmpty())
        throw Error(QCoreApplication::translate("db::MoviePictures",
                                                "The picture is empty; nothing was stored."));
    Transaction transaction(connection);
    if (connection.scalar(MovieExists, {movieId}).toInt() == 0)
        throw MovieGone(QCoreApplication::translate(
            "db::MoviePictures",
            "This movie is no longer in the catalogue: another window or program has deleted "
            "it. The picture was not stored."));
    connection.execute(WritePicture, {movieId, picture.picture, picture.thumbnail, picture.width,
                                      picture.height, picture.format});
}

void RemoveMoviePicture(Connection& connection, int movieId) {
    if (HasPictureTable(connection))
        connection.execute(DeletePicture, {movieId});
}

PictureData ReadMoviePicture(Connection& connection, int movieId) {
    PictureData picture;
    if (!HasPictureTable(connection))
        return picture;
    connection.scan(ReadPicture, {movieId}, [&](const ScannedRow& row) {
        picture.picture = row.bytes(0);
        picture.thumbnail = row.bytes(1);
        picture.width = row.integer(2);
        picture.height = row.integer(3);
        picture.format = row.text(4);
    });
    return picture;
}

QByteArray ReadMovieThumbnail(Connection& connection, int movieId) {
    if (!HasPictureTable(connection))
        return {};
    return connection.scalar(ReadThumbnail, {movieId}).toByteArray();
}

QList<int> MoviesWithPictures(Connection& connection) {
    QList<int> ids;
    if (!HasPictureTable(connection))
        return ids;
    connection.scan(PictureIds, {}, [&](const ScannedRow& row) { ids.append(row.integer(0)); });
    return ids;
}

QList<MovieNames> ReadMovieNames(Connection& connection) {
    QList<MovieNames> movies;
    connection.scan(QStringLiteral("SELECT [MovieId], [LabelNumber], [Title] FROM [Movie] "
                                   "ORDER BY [MovieId]"),
                    {}, [&](const ScannedRow& row) {
                        movies.append({row.integer(0), row.text(1), row.text(2)});
                    });
    return movies;
}

int CountOrphanPictures(Connection& connection) {
    if (!HasPictureTable(connection))
        return 0;
    return connection.scalar(QStringLiteral("SELECT COUNT(*) ") + Orphans).toInt();
}

int RemoveOrphanPictures(Connection& connection) {
    if (!HasPictureTable(connection))
        return 0;
    return connection.execute(QStringLiteral("DELETE ") + Orphans);
}

}  // namespace db
