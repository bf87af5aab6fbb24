#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace db {
class Connection;
}

namespace io {

class MovieFileLines;

// A line shorter than this cannot hold a movie and is skipped.
inline constexpr int MinimumLineLength = 20;

struct ImportResult {
    bool headerAccepted = false;
    int imported = 0;  // movie lines written, updates included
    int skipped = 0;   // lines too short to hold a movie
    // The line that could not be imported (counting the header as line 1) and why; 0 when every
    // line was. Lines before it stay imported, nothing of it is written, later lines are not read.
    int failedLine = 0;
    QString failure;
};

// Told the title and line number of each movie line as it is imported.
using ImportProgress = std::function<void(const QString& title, int lineNumber)>;

// Imports the movie lines after an accepted header: each movie updates the movie of its title or
// is added, with missing names added to their lists. Lines are committed in batches, each line
// in its own savepoint.
ImportResult ImportMovies(db::Connection& connection, MovieFileLines& lines,
                          const ImportProgress& progress = {});
// The same for a file; throws FileError when it cannot be read.
ImportResult ImportMovies(db::Connection& connection, const QString& path,
                          const ImportProgress& progress = {});

// Writes the movie of one line's fields and returns its id. The media, rating and location are
// looked up (and added) first, so a new name gets its row even when the movie is an update.
int ImportMovieLine(db::Connection& connection, const QStringList& fields,
                    const std::function<void(const QString& title)>& showTitle = {});

}  // namespace io
