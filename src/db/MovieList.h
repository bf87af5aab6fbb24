#pragma once

#include "db/ActiveSearch.h"

#include <QString>
#include <vector>

namespace db {

class Connection;

// One movie as the main list shows it.
struct MovieListRow {
    int movieId = 0;
    QString title;
    QString genres;    // genre names text, "(none)" when the movie has none; shared by movies
    QString location;  // with the same genres, as the location's name is
    QString labelNumber;
    int minutes = 0;
    int releaseYear = 0;
    double stars = 0;
};

// The movies the active search selects, with their storage location's name. A movie whose
// location row is gone is in no list and no count. Unordered: the list sorts itself. The
// search's pattern is matched once; the rows are the count.
std::vector<MovieListRow> ReadMovieList(Connection& connection, const ActiveSearch& search);

}  // namespace db
