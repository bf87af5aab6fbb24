#include "db/Genres.h"

#include "db/Connection.h"
#include "db/LookupTable.h"

namespace db {

namespace {

// Genres come in the order they were linked, which is the order the user chose them in.
const QString MovieGenresQuery = QStringLiteral(
    "SELECT mg.[GenreId], g.[Name] FROM [MovieGenre] AS mg "
    "INNER JOIN [Genre] AS g ON mg.[GenreId] = g.[GenreId] "
    "WHERE mg.[MovieId] = ? ORDER BY mg.rowid");
const QString AllGenresQuery = QStringLiteral(
    "SELECT mg.[MovieId], g.[Name] FROM [MovieGenre] AS mg "
    "INNER JOIN [Genre] AS g ON mg.[GenreId] = g.[GenreId] ORDER BY mg.rowid");

const QString Separator = QStringLiteral(" / ");

QList<QString> trimmedNames(const QString& names) {
    QList<QString> result;
    for (QStringView piece : QStringView(names).split(u'/')) {
        const QStringView name = piece.trimmed();
        if (!name.isEmpty())
            result.append(name.toString());
    }
    return result;
}

}  // namespace

MovieGenres GetMovieGenres(Connection& connection, int movieId) {
    MovieGenres genres;
    QSqlQuery query = connection.query(MovieGenresQuery, {movieId});
    while (query.next()) {
        if (!genres.ids.isEmpty()) {
            genres.ids += u'/';
            genres.names += Separator;
        }
        genres.ids += QString::number(query.value(0).toInt());
        genres.names += query.value(1).toString().trimmed();
    }
    if (genres.names.isEmpty())
        genres.names = QString::fromLatin1(NoGenreText);
    return genres;
}

QString GetGenreText(Connection& connection, int movieId) {
    return GetMovieGenres(connection, movieId).names;
}

QHash<int, QString> GetAllGenreTexts(Connection& connection) {
    QHash<int, QString> texts;
    QSqlQuery query = connection.query(AllGenresQuery);
    while (query.next()) {
        QString& text = texts[query.value(0).toInt()];
        if (!text.isEmpty())
            text += Separator;
        text += query.value(1).toString().trimmed();
    }
    return texts;
}

QString GenreNamesToIds(Connection& connection, const QString& names) {
    QString ids;
    for (const QString& name : trimmedNames(names)) {
        if (const int id = FindLookupId(connection, LookupTable::Genre, name); id > 0) {
            if (!ids.isEmpty())
                ids += u'/';
            ids += QString::number(id);
        }
    }
    return ids;
}

void AddMissingGenres(Connection& connection, const QString& names) {
    for (const QString& name : trimmedNames(names)) {
        if (name.toLower() != QLatin1String(NoGenreText))
            LookupOrAddId(connection, LookupTable::Genre, name);
    }
}

}  // namespace db
