#pragma once

#include "db/LookupTable.h"
#include "io/ImportMovies.h"

#include <QList>
#include <QMap>
#include <QStringList>

namespace io {

// What importing a file would do to the catalogue, found by reading the file once and writing
// nothing: the import's own reading of the lines, its matching of titles and of names.
struct ImportPreview {
    // The header, and the lines skipped, refused and read as Windows-1252; imported counts the
    // movie lines the import would write.
    ImportResult lines;
    QList<int> windows1252LineNumbers;  // the first few
    int added = 0;                      // movies of a title the catalogue does not hold
    int updated = 0;                    // movies that write over the movie of their title
    // The names each list would gain, in the order the import would add them.
    QMap<db::LookupTable, QStringList> newNames;
    // What the reader of another catalogue's file adds: what it could not bring along.
    QString readingNotes;
};

// Told the title and line number of each movie line as it is read; asked before each line
// whether to stop there (the preview is then not whole, and says so in lines.stopped).
ImportPreview PreviewImport(db::Connection& connection, MovieFileLines& lines,
                            const ImportProgress& progress = {}, const StopRequested& stop = {});
// The same for lines another reader has made.
ImportPreview PreviewLines(db::Connection& connection, const std::vector<ImportedLine>& lines,
                           const ImportProgress& progress = {}, const StopRequested& stop = {});

}  // namespace io
