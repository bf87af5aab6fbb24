#pragma once

#include "db/LookupTable.h"

namespace db {

class Connection;
class ProgressReporter;

// The name of the row a broken reference is pointed at.
inline constexpr char UnknownName[] = "(unknown)";

// True when id names a row of the table. Otherwise id becomes the id of the table's "(unknown)"
// row, which is added the first time.
bool CheckReference(Connection& connection, int& id, LookupTable table);

// Removes the cast and genre links and the pictures of movies that no longer exist, then checks the
// media, rating and location of every movie, in title order, and points each broken one at
// "(unknown)". Movie.GenreId is not checked: genres live in MovieGenre, and the column holds 0 for
// every movie the program writes. Shows "Check database" with a step per movie and ends after the
// movie at which the user cancels; the repairs made so far stay. Returns the number of links
// removed and references repaired.
int RepairReferences(Connection& connection, ProgressReporter& progress);

// What RepairReferences would mend, counted without changing anything.
struct RepairableProblems {
    int orphanLinks = 0;       // cast and genre links of movies that no longer exist
    int brokenReferences = 0;  // media, ratings and locations that name no row
    int orphanPictures = 0;    // pictures of movies that no longer exist
};
RepairableProblems FindRepairableProblems(Connection& connection);

}  // namespace db
