#pragma once

#include "db/ActiveSearch.h"
#include "db/MovieListRows.h"

namespace db {

class Connection;

// The movies the active search selects, with their storage location's name. A movie whose
// location row is gone is in no list and no count. Unordered: the list sorts itself. The
// search's pattern is matched once; the rows are the count.
MovieListRows ReadMovieList(Connection& connection, const ActiveSearch& search);

}  // namespace db
