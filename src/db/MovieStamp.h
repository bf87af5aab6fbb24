#pragma once

#include <QString>

namespace db {

class Connection;

// Everything stored of one movie, its row, genre links and cast, as one text: two stamps differ
// when anyone, this program or another, has changed the movie between them. Empty when there is
// no such movie.
QString MovieStamp(Connection& connection, int movieId);

}  // namespace db
