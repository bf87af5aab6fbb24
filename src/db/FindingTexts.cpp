#include "db/FindingTexts.h"

#include "db/Connection.h"
#include "db/UnicodeCase.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace db {

namespace {

const QString MovieTexts = QStringLiteral(
    "SELECT [MovieId], [Title], [LabelNumber], [Director], [Producer], [Notes], [LocationId] "
    "FROM [Movie]");
const QString ActorLinks = QStringLiteral("SELECT [MovieId], [ActorId] FROM [MovieActor]");
const QString GenreLinks = QStringLiteral("SELECT [MovieId], [GenreId] FROM [MovieGenre]");
const QString OnlyMovie = QStringLiteral(" WHERE [MovieId] = ?");

QByteArray utf8Fold(const QString& text) {
    return FindingFold(text).toUtf8();
}

// A lookup table's names, each folded once: many movies share them.
QHash<int, QByteArray> foldedNames(Connection& connection, const char* table) {
    QHash<int, QByteArray> names;
    connection.scan(
        QStringLiteral("SELECT [%1Id], [Name] FROM [%1]").arg(QLatin1String(table)), {},
        [&](const ScannedRow& row) { names.insert(row.integer(0), utf8Fold(row.text(1))); });
    return names;
}

// Links by movie, so that each movie's are found by halving.
struct Links {
    std::vector<std::pair<int, int>> pairs;  // movie, linked id

    void read(Connection& connection, const QString& sql, int onlyMovieId) {
        auto add = [&](const ScannedRow& row) {
            pairs.emplace_back(row.integer(0), row.integer(1));
        };
        if (onlyMovieId > 0)
            connection.scan(sql + OnlyMovie, {onlyMovieId}, add);
        else
            connection.scan(sql, {}, add);
        std::stable_sort(pairs.begin(), pairs.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    // Appends the names linked to the movie, each on a line of its own.
    void append(int movieId, const QHash<int, QByteArray>& names, QByteArray& text) const {
        auto link = std::lower_bound(pairs.begin(), pairs.end(), movieId,
                                     [](const auto& pair, int id) { return pair.first < id; });
        for (; link != pairs.end() && link->first == movieId; ++link)
            if (const auto name = names.constFind(link->second); name != names.constEnd())
                text.append('\n').append(*name);
    }
};

}  // namespace

void ScanFindingTexts(Connection& connection,
                      const std::function<void(int movieId, const QByteArray& text)>& each,
                      int onlyMovieId) {
    const QHash<int, QByteArray> actors = foldedNames(connection, "Actor");
    const QHash<int, QByteArray> genres = foldedNames(connection, "Genre");
    const QHash<int, QByteArray> locations = foldedNames(connection, "Location");
    Links actorLinks;
    actorLinks.read(connection, ActorLinks, onlyMovieId);
    Links genreLinks;
    genreLinks.read(connection, GenreLinks, onlyMovieId);

    QByteArray text;
    auto collect = [&](const ScannedRow& row) {
        const int movieId = row.integer(0);
        // The movie's own texts folded at once: one fold of one longer text.
        text = utf8Fold(row.text(1) + u'\n' + row.text(2) + u'\n' + row.text(3) + u'\n' +
                        row.text(4) + u'\n' + row.text(5));
        if (const auto location = locations.constFind(row.integer(6));
            location != locations.constEnd())
            text.append('\n').append(*location);
        actorLinks.append(movieId, actors, text);
        genreLinks.append(movieId, genres, text);
        each(movieId, text);
    };
    if (onlyMovieId > 0)
        connection.scan(MovieTexts + OnlyMovie, {onlyMovieId}, collect);
    else
        connection.scan(MovieTexts + QStringLiteral(" ORDER BY [MovieId]"), {}, collect);
}

}  // namespace db
