#pragma once

#include <QDate>
#include <QString>

namespace db {
class Connection;
}

namespace io {

struct PublishResult {
    int movies = 0;
    QString page;  // the index.html written
};

// Writes the catalogue as a web page that needs nothing but a browser: <folder>/index.html
// with its style, its script and the movies inside it, and the movies' covers as they are stored
// in <folder>/pictures/<MovieId>.jpg or .png (none left there for a movie without one now). The
// folder is made when missing. The page replaces an earlier one only once it is complete; a failure
// is a FileError naming the file.
PublishResult PublishSite(db::Connection& connection, const QString& catalogueName,
                          const QString& folder, const QDate& published);

}  // namespace io
