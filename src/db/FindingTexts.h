#pragma once

#include <QByteArray>
#include <functional>
#include <vector>

namespace db {

class Connection;

// What the filter line looks through, each text through FindingFold, in UTF-8, one to a line
// so that no word typed can span two of them: a movie's own title, label number, director,
// producer and notes, and the names it shares with other movies (its actors, genres and storage
// location), which are read and folded once.

// Every name a movie may share, numbered from 0 in the order given, then every movie in movie
// number order with its own texts and the numbers of its names. Texts are valid only during
// the call.
void ScanFindingTexts(Connection& connection,
                      const std::function<void(const QByteArray& name)>& eachName,
                      const std::function<void(int movieId, const QByteArray& own,
                                               const std::vector<int>& names)>& eachMovie);

// One movie's texts, its own and its names', one to a line; empty when the movie is gone.
QByteArray FindingTextOf(Connection& connection, int movieId);

}  // namespace db
