#pragma once

#include <QHash>
#include <QString>
#include <algorithm>
#include <vector>

namespace db {
class Connection;
}

namespace io {

// Each movie's links (its genres, its cast), in the order they were made, as the ids they link
// to: a million movies' casts are held as numbers, and turned into names only as each movie is
// written. A link to a name that is gone drops out, as it would through a join.
class MovieLinks {
public:
    enum class Kind { Genres, Cast };
    MovieLinks(db::Connection& connection, Kind kind);

    // Calls visit(nameId, name) for each of the movie's links whose name still exists.
    template <typename Visit>
    void forEachName(int movieId, Visit visit) const {
        const auto byMovie = [](const Link& link, int id) { return link.movieId < id; };
        for (auto link = std::lower_bound(links_.begin(), links_.end(), movieId, byMovie);
             link != links_.end() && link->movieId == movieId; ++link) {
            const auto name = names_.constFind(link->nameId);
            if (name != names_.constEnd())
                visit(link->nameId, *name);
        }
    }

private:
    struct Link {
        int movieId;
        int nameId;
    };
    QHash<int, QString> names_;
    std::vector<Link> links_;
};

}  // namespace io
