#pragma once

#include "db/Connection.h"
#include "db/Movies.h"

#include <QFile>

namespace test {

// A movie of this title with these genre ids, location and rating; its media is 2 ("VHS").
inline int AddMovie(db::Connection& connection, const QString& title, const QString& genreIds = {},
                    int locationId = 2, int ratingId = 2) {
    db::MovieRecord movie;
    movie.title = title;
    movie.genreIds = genreIds;
    movie.locationId = locationId;
    movie.mediaId = 2;
    movie.ratingId = ratingId;
    return db::InsertMovie(connection, movie);
}

// The bytes of a file; empty when there is none.
inline QByteArray ContentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace test
