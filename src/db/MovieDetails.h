#pragma once

#include "db/Genres.h"
#include "db/MovieRecord.h"

#include <QStringList>
#include <optional>

namespace db {

class Connection;
enum class LookupTable;

// A movie as the record view shows it: its fields, the names its ids stand for and its cast.
struct MovieDetails {
    int movieId = 0;
    MovieRecord record;
    QString locationName;  // empty when the id names no row
    QString mediaName;
    QString ratingName;
    MovieGenres genres;
    QStringList cast;  // in the order the actors were given to the movie
};

// The movie, or nothing when no such movie is listed (its location row is gone or it was deleted).
std::optional<MovieDetails> ReadMovie(Connection& connection, int movieId);
// The movie's title; empty when there is no such movie.
QString ReadMovieTitle(Connection& connection, int movieId);
// The id of the first row in name order: what a new movie starts with. 0 when the table is empty.
int FirstLookupIdByName(Connection& connection, LookupTable table);

}  // namespace db
