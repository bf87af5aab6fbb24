#pragma once

#include "io/ImportedLine.h"
#include "io/PictureFolder.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

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
    // is written and the import goes on. All are counted in refusedCount. The first MaximumListed
    // lines not imported, the short ones among them, are listed in refused in their order.
    QList<RefusedLine> refused;
    int refusedCount = 0;
    int windows1252Lines = 0;  // lines that were not UTF-8, so read as Windows-1252
    // The line that could not be imported (counting the header as line 1) and why; 0 when every
    // line was. Lines before it stay imported, nothing of it is written, later lines are not read.
    int failedLine = 0;
    QString failure;
    // Stopped on request before the end of the file; the lines before the stop stay.
    bool stopped = false;

    // The pictures of the movie file's picture folder, when it has one.
    PictureImportResult pictures;

    static constexpr int MaximumListed = 100;

    // Every line that was not imported, short ones included.
    int linesNotImported() const { return skipped + refusedCount; }
};

// Told the title and line number of each movie line before it is written.
using ImportProgress = std::function<void(const QString& title, int lineNumber)>;
// Asked before each line whether to stop there.
using StopRequested = std::function<bool()>;

// Imports the movie lines after an accepted header: each movie updates the movie of its title or
// is added, with missing names added to their lists. Each line is checked before anything of it
// is written; lines are committed in batches. The header is read first, so a file that has none
// is not read further.
ImportResult ImportMovies(db::Connection& connection, MovieFileLines& lines,
                          const ImportProgress& progress = {}, const StopRequested& stop = {});
// The same for a file, with the pictures beside it; throws FileError when it cannot be read.
ImportResult ImportMovies(db::Connection& connection, const QString& path,
                          const ImportProgress& progress = {}, const StopRequested& stop = {});

// The same for lines another reader has made (another catalogue's file), in their order.
ImportResult ImportLines(db::Connection& connection, const std::vector<ImportedLine>& lines,
                         const ImportProgress& progress = {}, const StopRequested& stop = {});

// After an import of the file at path that read every line: the pictures of the folder beside
// it ("<path>.pictures") go to the movies their lines wrote, into result.pictures.
void ImportPicturesBeside(db::Connection& connection, const QString& path, ImportResult& result,
                          const StopRequested& stop = {});

// Reads the first line; whether it is the movie file's header.
bool ReadMovieFileHeader(MovieFileLines& lines);
// The next movie line after the header, read and checked; the lines skipped or refused on the
// way, and those read as Windows-1252, are counted in the result. Nothing at the end of the file.
std::optional<ImportedLine> NextMovieLine(MovieFileLines& lines, ImportResult& result);

// What the final message adds to the count of movies imported: the lines skipped or refused
// and the lines read as Windows-1252, each in a paragraph of its own; empty when there are none.
QString ImportNotes(const ImportResult& result);

}  // namespace io
