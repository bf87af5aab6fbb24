#pragma once

#include <QString>
#include <functional>

namespace db {
class Connection;
}

namespace io {

struct ExportResult {
    int exported = 0;  // movies written
    int leftOut = 0;   // movies whose media, rating or location row is missing
    int altered = 0;   // movies with text the file cannot give back as it stands
    bool fileWritten = false;
    int pictures = 0;      // written into the picture folder beside the file
    bool stopped = false;  // on request: no file was written or changed
};

// Told the title of each movie before it is written.
using ExportProgress = std::function<void(const QString& title)>;
// Asked before each movie whether to stop there.
using ExportStop = std::function<bool()>;

// Writes every movie whose media, rating and location exist to the movie file at path, in title
// order, as UTF-8. The file is built under a temporary name in the same folder and replaces path
// only when complete, so a failure (FileError, DatabaseError) leaves an earlier file as it was.
// With no movie to write, no file is created or changed; nor when stopped on request. The
// pictures of the movies written go into "<path>.pictures" beside it.
ExportResult ExportMovies(db::Connection& connection, const QString& path,
                          const ExportProgress& progress = {}, const ExportStop& stop = {});

}  // namespace io
