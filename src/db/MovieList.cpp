#include "db/MovieList.h"

#include "db/Connection.h"
#include "db/Genres.h"
#include "db/Movies.h"
#include "db/TextRoutines.h"

#include <QStringList>
#include <algorithm>
#include <exception>
#include <optional>
#include <thread>

namespace db {

namespace {

const QString ListColumns = QStringLiteral(
    "SELECT m.[MovieId], m.[Title], m.[LocationId], m.[LabelNumber], m.[Minutes], "
    "m.[ReleaseYear], m.[Stars] FROM [Movie] m");
const QString LocationNames = QStringLiteral("SELECT [LocationId], [Name] FROM [Location]");
const QString GenreNames = QStringLiteral("SELECT [GenreId], [Name] FROM [Genre]");
// In the order they were made, which is the order the user chose the genres in.
const QString GenreLinks =
    QStringLiteral("SELECT [MovieId], [GenreId] FROM [MovieGenre] ORDER BY rowid");

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

void scan(Connection& connection, const QString& sql, const Filter& filter,
          const std::function<void(const ScannedRow&)>& each) {
    if (filter.value.isValid())
        connection.scan(sql, {filter.value}, each);
    else
        connection.scan(sql, {}, each);
}

// Up to four genre ids below 65536, in link order, in one number: the key under which the
// genre names text of every movie with those genres is built once.
class GenreKey {
public:
    bool add(int genreId) {
        if (count_ == 4 || genreId <= 0 || genreId > 0xFFFF)
            return false;
        key_ |= quint64(genreId) << (16 * count_++);
        return true;
    }
    quint64 value() const { return key_; }
    bool empty() const { return count_ == 0; }
    QList<int> ids() const {
        QList<int> ids;
        for (int i = 0; i < count_; ++i)
            ids.append(int((key_ >> (16 * i)) & 0xFFFF));
        return ids;
    }

private:
    quint64 key_ = 0;
    int count_ = 0;
};

// The row of a movie in rows ordered by movie number. Links come mostly in that order too, so
// the row after the last one found is tried first.
class RowFinder {
public:
    explicit RowFinder(const MovieListRows& rows) : rows_(rows) {}
    std::optional<size_t> operator()(int movieId) {
        // A movie's links come together: the row found last is tried again first.
        if (next_ > 0 && rows_.movieId(next_ - 1) == movieId)
            return next_ - 1;
        if (next_ >= rows_.size() || rows_.movieId(next_) != movieId) {
            const qsizetype found = rows_.indexOf(movieId);
            if (found < 0)
                return std::nullopt;
            next_ = size_t(found);
        }
        return next_++;
    }

private:
    const MovieListRows& rows_;
    size_t next_ = 0;
};

// The genre names text of each listed movie. Most movies share their genres with many
// others, so each text is built once and shared; a movie with more genres than a key holds
// gets its own.
void attachGenreTexts(Connection& connection, MovieListRows& rows) {
    QHash<int, QString> names;
    connection.scan(GenreNames, {}, [&](const ScannedRow& row) {
        names.insert(row.integer(0), row.text(1).trimmed());
    });
    std::vector<GenreKey> keys(rows.size());
    QHash<size_t, QList<int>> manyGenres;  // by row
    RowFinder rowOf(rows);
    connection.scan(GenreLinks, {}, [&](const ScannedRow& link) {
        const std::optional<size_t> row = rowOf(link.integer(0));
        if (!row)
            return;
        const int genreId = link.integer(1);
        if (const auto many = manyGenres.find(*row); many != manyGenres.end())
            many->append(genreId);
        else if (!keys[*row].add(genreId))
            manyGenres[*row] = keys[*row].ids() << genreId;
    });
    // A link to a genre that is gone drops out, as a join would drop it.
    const QString none = QString::fromLatin1(NoGenreText);
    auto textOf = [&](const QList<int>& ids) {
        QStringList parts;
        for (int id : ids)
            if (const auto name = names.constFind(id); name != names.constEnd())
                parts.append(*name);
        return parts.isEmpty() ? none : parts.join(QStringLiteral(" / "));
    };
    const int noneNumber = rows.sharedText(none);
    QHash<quint64, int> shared;  // the number of each shared text, by key
    for (size_t row = 0; row < rows.size(); ++row) {
        if (const auto many = manyGenres.constFind(row); many != manyGenres.constEnd()) {
            rows.setGenres(row, textOf(*many));
        } else if (keys[row].empty()) {
            rows.setGenres(row, noneNumber);
        } else {
            auto number = shared.constFind(keys[row].value());
            if (number == shared.constEnd())
                number = shared.insert(keys[row].value(), rows.sharedText(textOf(keys[row].ids())));
            rows.setGenres(row, *number);
        }
    }
}

}  // namespace

MovieListRows ReadMovieList(Connection& connection, const ActiveSearch& search,
                            const std::function<void(const MovieListRows&)>& alongsideGenres) {
    MovieListRows rows;
    // The location names are few and shared by the rows; a movie whose location is gone is
    // left out, as an inner join would leave it out.
    QHash<int, int> locations;  // the number of its shared text, by location
    connection.scan(LocationNames, {}, [&](const ScannedRow& row) {
        if (!locations.contains(row.integer(0)))
            locations.insert(row.integer(0), rows.sharedText(row.text(1)));
    });
    // No search lists more than every movie: room for them all, never moved as the rows come.
    rows.reserve(size_t(CountMovies(connection)));
    const Filter filter = filterOf(search);
    scan(connection, ListColumns + filter.where, filter, [&](const ScannedRow& row) {
        const auto location = locations.constFind(row.integer(2));
        if (location == locations.constEnd())
            return;
        rows.append(row.integer(0), row.utf8(1), row.utf8(3), *location, row.integer(4),
                    row.integer(5), row.real(6));
    });
    rows.finish();
    // Attaching genres only sets each row's genres number and adds shared texts, which the
    // work alongside never reads.
    std::exception_ptr alongsideFailure;
    std::thread alongside;
    if (alongsideGenres)
        alongside = std::thread([&] {
            try {
                alongsideGenres(rows);
            } catch (...) {
                alongsideFailure = std::current_exception();
            }
        });
    std::exception_ptr genresFailure;
    try {
        attachGenreTexts(connection, rows);
    } catch (...) {
        genresFailure = std::current_exception();
    }
    if (alongside.joinable())
        alongside.join();
    for (const std::exception_ptr& failure : {genresFailure, alongsideFailure})
        if (failure)
            std::rethrow_exception(failure);
    return rows;
}

}  // namespace db
