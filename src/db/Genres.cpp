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
const QString GenreNamesQuery = QStringLiteral("SELECT [GenreId], [Name] FROM [Genre]");
const QString AllLinksQuery =
    QStringLiteral("SELECT [MovieId], [GenreId] FROM [MovieGenre] ORDER BY rowid");

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
    // The genres are few: their names are read once and shared by every movie that has just
    // one, and a link to a genre that is gone drops out as the join would drop it.
    QHash<int, QString> names;
    connection.scan(GenreNamesQuery, {}, [&](const ScannedRow& row) {
        names.insert(row.integer(0), row.text(1).trimmed());
    });
    QHash<int, QString> texts;
    connection.scan(AllLinksQuery, {}, [&](const ScannedRow& row) {
        const auto name = names.constFind(row.integer(1));
        if (name == names.constEnd())
            return;
        QString& text = texts[row.integer(0)];
        if (text.isEmpty())
            text = *name;
        else
            text += Separator + *name;
    });
    return texts;
}

QString GenreNamesToIds(Connection& connection, const QString& names) {
    QList<int> ids;
    for (const QString& name : trimmedNames(names)) {
        const int id = FindLookupId(connection, LookupTable::Genre, name);
        if (id > 0 && !ids.contains(id))
            ids.append(id);
    }
    QStringList texts;
    for (int id : ids)
        texts.append(QString::number(id));
    return texts.join(u'/');
}

void AddMissingGenres(Connection& connection, const QString& names) {
    for (const QString& name : trimmedNames(names)) {
        if (name.toLower() != QLatin1String(NoGenreText))
            LookupOrAddId(connection, LookupTable::Genre, name);
    }
}

}  // namespace db
