#pragma once

#include "io/peers/PeerMovie.h"

#include <QByteArray>

namespace io {

// The video collection of the KDE collection manager's file: a .tc zip archive holding
// tellico.xml, or that XML itself. Title, year, genres, medium, certification (to the rating),
// directors, producers, cast (the actor column), running time, rating (to stars, on the scale
// the file's rating field gives), location, loans (to lent to and lent on), comments (to the
// notes), purchase date and price; every other field of an entry goes into the notes. A file of
// another kind, or without a video collection, is a FileError in words for the user.
PeerReading ReadTellico(const QByteArray& bytes);

}  // namespace io
