#pragma once

#include <QHash>
#include <QList>

namespace db {

class Connection;
enum class LookupTable;

// How many movies use each entry of the list, by id; an entry no movie uses is absent. Ratings,
// media and locations count the movies that name them; genres and actors count the movies
// linked to them (a movie once, however many links).
QHash<int, int> MoviesUsingEntries(Connection& connection, LookupTable table);

// Merges entries of one list into the one that stays: every movie column, genre link and cast
// link that names one of the others names the kept entry instead, links that would then repeat
// are removed, and the others are deleted. One transaction. Returns the number of movies that
// changed. Throws Error for an empty merge or one into an entry that is being merged away.
int MergeListEntries(Connection& connection, LookupTable table, int keptId,
                     const QList<int>& otherIds);

}  // namespace db
