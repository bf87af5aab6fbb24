#pragma once

#include "db/DatabaseError.h"
#include "db/MovieRecord.h"

#include <QStringList>

namespace io {

// A line the import passes over, with the reason the user is told.
class LineRefused : public db::Error {
public:
    using db::Error::Error;
};

// A movie line read and checked against what the catalogue can hold: what the import writes
// for it, with the names still to be found in their lists.
struct ImportedLine {
    int number = 0;         // counting the header as line 1
    db::MovieRecord movie;  // without genres, media, rating and location
    QString media;
    QString rating;
    QString location;
    QStringList genres;  // trimmed, the empty ones left out
    QStringList actors;  // the same
};

// Reads the 18 fields of a movie line. A field the catalogue cannot take is LineRefused,
// naming the field.
ImportedLine ReadImportedLine(const QStringList& fields, int number);

// Whether a genre name stands for no genre: such a name is not added to the list.
bool MeansNoGenre(const QString& name);

}  // namespace io
