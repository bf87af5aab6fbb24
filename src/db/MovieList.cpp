#include "db/MovieList.h"

#include "db/Connection.h"
#include "db/Genres.h"
#include "db/TextRoutines.h"

#include <QStringList>

namespace db {

namespace {

const QString FromMovies =
    QStringLiteral(" FROM [Movie] m INNER JOIN [Location] l ON m.[LocationId] = l.[LocationId]");
const QString ListColumns = QStringLiteral(
    "SELECT m.[MovieId], m.[Title], m.[LocationId], m.[LabelNumber], m.[Minutes], "
    "m.[ReleaseYear], m.[Stars] FROM [Movie] m");
const QString LocationNames = QStringLiteral("SELECT [LocationId], [Name] FROM [Location]");

// The ids of a genre search, rebuilt from numbers so that only numbers reach the statement.
QString genreIdList(const QString& stored) {
    QStringList ids;
    for (QStringView piece : QStringView(stored).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = piece.trimmed().toInt(&ok);
        if (ok)
            ids.append(QString::number(id));
    }
    return ids.isEmpty() ? QStringLiteral("NULL") : ids.join(u',');
}

struct Filter {
    QString where;
    QVariant value;  // the one bound value, when the filter has one
};

Filter filterOf(const ActiveSearch& search) {
    auto like = [](const char* column, const QString& pattern) {
        return Filter{QStringLiteral(" WHERE m.[%1] LIKE ?").arg(QLatin1String(column)),
                      WildcardToLike(pattern)};
    };
    switch (search.type) {
        case SearchType::None:
            return {};
        case SearchType::Title:
            return like("Title", search.title);
        case SearchType::MovieId:
            return {QStringLiteral(" WHERE m.[MovieId] = ?"), search.movieId};
        case SearchType::Label:
            return like("LabelNumber", search.label);
        case SearchType::Director:
            return like("Director", search.director);
        case SearchType::Producer:
            return like("Producer", search.producer);
        case SearchType::Notes:
            return like("Notes", search.notes);
        case SearchType::Actor:
            return {QStringLiteral(" WHERE m.[MovieId] IN (SELECT ma.[MovieId] FROM [MovieActor] "
                                   "ma WHERE ma.[ActorId] IN (SELECT a.[ActorId] FROM [Actor] a "
                                   "WHERE a.[Name] LIKE ?))"),
                    WildcardToLike(search.actor)};
        case SearchType::Genres:
            return {QStringLiteral(" WHERE m.[MovieId] IN (SELECT [MovieId] FROM [MovieGenre] "
                                   "WHERE [GenreId] IN (%1))")
                        .arg(genreIdList(search.genreIds)),
                    QVariant()};
        case SearchType::Location:
            return {QStringLiteral(" WHERE m.[LocationId] IN (SELECT ll.[LocationId] FROM "
                                   "[Location] ll WHERE ll.[Name] LIKE ?)"),
                    WildcardToLike(search.location)};
    }
    return {};
}

QSqlQuery run(Connection& connection, const QString& select, const Filter& filter) {
    const QString sql = select + FromMovies + filter.where;
    return filter.value.isValid() ? connection.query(sql, {filter.value}) : connection.query(sql);
}

void scan(Connection& connection, const QString& sql, const Filter& filter,
          const std::function<void(const ScannedRow&)>& each) {
    if (filter.value.isValid())
        connection.scan(sql, {filter.value}, each);
    else
        connection.scan(sql, {}, each);
}

}  // namespace

std::vector<MovieListRow> ReadMovieList(Connection& connection, const ActiveSearch& search) {
    // The location names are few and shared by the rows; a movie whose location is gone is
    // left out, as the inner join of the count leaves it out.
    QHash<int, QString> locations;
    connection.scan(LocationNames, {}, [&](const ScannedRow& row) {
        if (!locations.contains(row.integer(0)))
            locations.insert(row.integer(0), row.text(1));
    });
    const QHash<int, QString> genres = GetAllGenreTexts(connection);
    const QString none = QString::fromLatin1(NoGenreText);
    std::vector<MovieListRow> rows;
    const Filter filter = filterOf(search);
    scan(connection, ListColumns + filter.where, filter, [&](const ScannedRow& row) {
        const auto location = locations.constFind(row.integer(2));
        if (location == locations.constEnd())
            return;
        MovieListRow movie;
        movie.movieId = row.integer(0);
        movie.title = row.text(1);
        movie.genres = genres.value(movie.movieId, none);
        movie.location = *location;
        movie.labelNumber = row.text(3);
        movie.minutes = row.integer(4);
        movie.releaseYear = row.integer(5);
        movie.stars = row.real(6);
        rows.push_back(std::move(movie));
    });
    return rows;
}

int CountMatchingMovies(Connection& connection, const ActiveSearch& search) {
    QSqlQuery query = run(connection, QStringLiteral("SELECT COUNT(*)"), filterOf(search));
    return query.next() ? query.value(0).toInt() : 0;
}

}  // namespace db
