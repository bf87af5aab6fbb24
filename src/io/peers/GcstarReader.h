#pragma once

#include "io/peers/PeerMovie.h"

#include <QByteArray>

namespace io {

// GCstar's movie collection (.gcs, the GCfilms model), whose items keep their values in
// attributes and their lists (actors, genres) in lines of columns; older files keep every value
// in an element, and both are read. Title, year, director, producer, running time, age (to the
// rating), rating (out of ten, halved to stars), format (to the media), location, acquisition,
// borrower and loan date, comment (to the notes), genres and actors; what else an item holds
// goes into the notes. A file of another kind is a FileError in words for the user.
PeerReading ReadGcstar(const QByteArray& bytes);

}  // namespace io
