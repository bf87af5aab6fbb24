#include "io/MovieLinks.h"

#include "db/Connection.h"

namespace io {

MovieLinks::MovieLinks(db::Connection& connection, const QString& linksQuery,
                       const QString& namesQuery, bool trimmed) {
    connection.scan(namesQuery, {}, [&](const db::ScannedRow& row) {
        names_.insert(row.integer(0), trimmed ? row.text(1).trimmed() : row.text(1));
    });
    connection.scan(linksQuery, {}, [&](const db::ScannedRow& row) {
        links_.push_back({row.integer(0), row.integer(1)});
    });
    // Links come by movie already, unless a movie's were made at different times.
    const auto byMovie = [](const Link& a, const Link& b) { return a.movieId < b.movieId; };
    if (!std::is_sorted(links_.begin(), links_.end(), byMovie))
        std::stable_sort(links_.begin(), links_.end(), byMovie);
}

}  // namespace io
