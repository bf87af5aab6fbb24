#pragma once

#include <QHash>
#include <QString>

namespace db {

class Connection;

// A movie's genres as the user interface and the movie file carry them.
struct MovieGenres {
    QString names;  // genre names text: trimmed names joined by " / ", "(none)" when there are none
    QString ids;    // genre id text: ids joined by "/", empty when there are none
};

MovieGenres GetMovieGenres(Connection& connection, int movieId);
QString GetGenreText(Connection& connection, int movieId);
// The genre names text of every movie that has a genre, in one query; a movie missing from the
// result has none ("(none)").
QHash<int, QString> GetAllGenreTexts(Connection& connection);
// "Comedy / Drama" to "4/7"; names with no genre row are skipped, and a genre named twice (in
// any letter case) is given once.
QString GenreNamesToIds(Connection& connection, const QString& names);
// Adds every named genre that does not exist yet; empty names and "(none)" are ignored.
void AddMissingGenres(Connection& connection, const QString& names);

inline constexpr char NoGenreText[] = "(none)";

}  // namespace db
