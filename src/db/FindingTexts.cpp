#include "db/FindingTexts.h"

#include "db/Connection.h"
#include "db/UnicodeCase.h"

#include <QHash>
#include <algorithm>

namespace db {

namespace {

const QString MovieTexts = QStringLiteral(
    "SELECT [MovieId], [Title], [LabelNumber], [Director], [Producer], [Notes], [LocationId] "
    "FROM [Movie]");
const QString ActorLinks = QStringLiteral("SELECT [MovieId], [ActorId] FROM [MovieActor]");
const QString GenreLinks = QStringLiteral("SELECT [MovieId], [GenreId] FROM [MovieGenre]");
const QString OnlyMovie = QStringLiteral(" WHERE [MovieId] = ?");
const char* const NameTables[] = {"Actor", "Genre", "Location"};

// The names of the three tables, numbered one after another as they are read.
struct Names {
    QHash<int, int> numbers[3];  // by table: the number of each id

    void read(Connection& connection, const std::function<void(const QByteArray&)>& each) {
        int next = 0;
        for (int table = 0; table < 3; ++table)
            connection.scan(QStringLiteral("SELECT [%1Id], [Name] FROM [%1]")
                                .arg(QLatin1String(NameTables[table])),
                            {}, [&](const ScannedRow& row) {
                                numbers[table].insert(row.integer(0), next++);
                                each(FindingFold(row.text(1)).toUtf8());
                            });
    }
    int numberOf(int table, int id) const { return numbers[table].value(id, -1); }
};

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

    template <typename Each>
    void forMovie(int movieId, Each each) const {
        auto link = std::lower_bound(pairs.begin(), pairs.end(), movieId,
                                     [](const auto& pair, int id) { return pair.first < id; });
        for (; link != pairs.end() && link->first == movieId; ++link)
            each(link->second);
    }
};

// The movie's own texts folded at once: one fold of one longer text.
QByteArray ownText(const ScannedRow& row) {
    return FindingFold(row.text(1) + u'\n' + row.text(2) + u'\n' + row.text(3) + u'\n' +
                       row.text(4) + u'\n' + row.text(5))
        .toUtf8();
}

}  // namespace

void ScanFindingTexts(Connection& connection,
                      const std::function<void(const QByteArray& name)>& eachName,
                      const std::function<void(int movieId, const QByteArray& own,
                                               const std::vector<int>& names)>& eachMovie) {
    Names names;
    names.read(connection, eachName);
    Links actors;
    actors.read(connection, ActorLinks, 0);
    Links genres;
    genres.read(connection, GenreLinks, 0);
    std::vector<int> linked;
    connection.scan(MovieTexts + QStringLiteral(" ORDER BY [MovieId]"), {},
                    [&](const ScannedRow& row) {
                        const int movieId = row.integer(0);
                        linked.clear();
                        auto link = [&](int table, int id) {
                            if (const int number = names.numberOf(table, id); number >= 0)
                                linked.push_back(number);
                        };
                        actors.forMovie(movieId, [&](int id) { link(0, id); });
                        genres.forMovie(movieId, [&](int id) { link(1, id); });
                        link(2, row.integer(6));
                        eachMovie(movieId, ownText(row), linked);
                    });
}

QByteArray FindingTextOf(Connection& connection, int movieId) {
    QByteArray text;
    int locationId = 0;
    connection.scan(MovieTexts + OnlyMovie, {movieId}, [&](const ScannedRow& row) {
        text = ownText(row);
        locationId = row.integer(6);
    });
    if (text.isNull())
        return text;
    Links links[3];
    links[0].read(connection, ActorLinks, movieId);
    links[1].read(connection, GenreLinks, movieId);
    links[2].pairs.emplace_back(movieId, locationId);
    const QString nameOf = QStringLiteral("SELECT [Name] FROM [%1] WHERE [%1Id] = ?");
    for (int table = 0; table < 3; ++table)
        links[table].forMovie(movieId, [&](int id) {
            const QVariant name =
                connection.scalar(nameOf.arg(QLatin1String(NameTables[table])), {id});
            if (name.isValid())
                text.append('\n').append(FindingFold(name.toString()).toUtf8());
        });
    return text;
}

}  // namespace db
