#include "io/MovieLinks.h"

#include "db/Connection.h"

namespace io {

namespace {

// Every link in two queries each: the links in the order they were made, and the names. The
// names are joined here, which spares the database a lookup per link.
const QString CastLinksQuery =
    QStringLiteral("SELECT [MovieId], [ActorId] FROM [MovieActor] ORDER BY rowid");
const QString ActorNamesQuery = QStringLiteral("SELECT [ActorId], [Name] FROM [Actor]");
const QString GenreLinksQuery =
    QStringLiteral("SELECT [MovieId], [GenreId] FROM [MovieGenre] ORDER BY rowid");
const QString GenreNamesQuery = QStringLiteral("SELECT [GenreId], [Name] FROM [Genre]");

}  // namespace

MovieLinks::MovieLinks(db::Connection& connection, Kind kind) {
    // Genre names are written trimmed, as everywhere else; actors' names as they were typed.
    const bool genres = kind == Kind::Genres;
    connection.scan(genres ? GenreNamesQuery : ActorNamesQuery, {}, [&](const db::ScannedRow& row) {
        names_.insert(row.integer(0), genres ? row.text(1).trimmed() : row.text(1));
    });
    connection.scan(genres ? GenreLinksQuery : CastLinksQuery, {}, [&](const db::ScannedRow& row) {
        links_.push_back({row.integer(0), row.integer(1)});
    });
    // Links come by movie already, unless a movie's were made at different times.
    const auto byMovie = [](const Link& a, const Link& b) { return a.movieId < b.movieId; };
    if (!std::is_sorted(links_.begin(), links_.end(), byMovie))
        std::stable_sort(links_.begin(), links_.end(), byMovie);
}

}  // namespace io
