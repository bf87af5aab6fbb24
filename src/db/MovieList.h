#pragma once

#include "db/ActiveSearch.h"
#include "db/MovieListRows.h"

#include <functional>

namespace db {

class Connection;

// The movies the active search selects, with their storage location's name. A movie whose
// location row is gone is in no list and no count. Unordered: the list sorts itself. The
// search's pattern is matched once; the rows are the count.
// alongsideGenres, when given, runs on a thread of its own while the genres are read, with the
// rows read so far: their numbers, titles and labels are final and hold still, in the order the
// rows are returned in. The rows come back once it is done too.
MovieListRows ReadMovieList(Connection& connection, const ActiveSearch& search,
                            const std::function<void(const MovieListRows&)>& alongsideGenres = {});

}  // namespace db
