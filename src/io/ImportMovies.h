#pragma once

#include <QList>
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

// A line that was not imported, and why, in words for the user.
struct RefusedLine {
    int lineNumber = 0;
    QString reason;
};

struct ImportResult {
    bool headerAccepted = false;
    int imported = 0;  // movie lines written, updates included
    int skipped = 0;   // lines too short to hold a movie
    // Lines that are no movie lines, or hold a value the catalogue cannot take; nothing of them
    // is written and the import goes on. The first MaximumListed are kept, all are counted.
    QList<RefusedLine> refused;
    int refusedCount = 0;
    int windows1252Lines = 0;  // lines that were not UTF-8, so read as Windows-1252
    // The line that could not be imported (counting the header as line 1) and why; 0 when every
    // line was. Lines before it stay imported, nothing of it is written, later lines are not read.
    int failedLine = 0;
    QString failure;

    static constexpr int MaximumListed = 10;
};

// Told the title and line number of each movie line as it is imported.
using ImportProgress = std::function<void(const QString& title, int lineNumber)>;

// Imports the movie lines after an accepted header: each movie updates the movie of its title or
// is added, with missing names added to their lists. Lines are committed in batches, each line
// in its own savepoint. The header is read first, so a file that has none is not read further.
ImportResult ImportMovies(db::Connection& connection, MovieFileLines& lines,
                          const ImportProgress& progress = {});
// The same for a file; throws FileError when it cannot be read.
ImportResult ImportMovies(db::Connection& connection, const QString& path,
                          const ImportProgress& progress = {});

// Writes the movie of one line's fields and returns its id. Each field is checked against what
// the catalogue can hold first; a field that it cannot is an Error naming the field, and nothing
// is written. The media, rating and location are looked up (and added) next, so a new name gets
// its row even when the movie is an update. Repeated genres and actors count once.
int ImportMovieLine(db::Connection& connection, const QStringList& fields,
                    const std::function<void(const QString& title)>& showTitle = {});

// What the final message adds to the count of movies imported: the lines skipped or refused
// and the lines read as Windows-1252, each in a paragraph of its own; empty when there are none.
QString ImportNotes(const ImportResult& result);

}  // namespace io
