#pragma once

#include <QByteArray>
#include <functional>

namespace db {

class Connection;

// What the filter line looks through for one movie: its title, label number, director,
// producer, actors, genres, storage location and notes, each through FindingFold, in UTF-8,
// one to a line so that no word typed can span two of them.
// each receives the movies in movie number order, all of them or only the one given; the text
// is valid only during the call.
void ScanFindingTexts(Connection& connection,
                      const std::function<void(int movieId, const QByteArray& text)>& each,
                      int onlyMovieId = 0);

}  // namespace db
