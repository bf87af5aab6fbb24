#pragma once

#include "db/DatabaseError.h"
#include "db/MovieRecord.h"

#include <QStringList>

namespace db {

class Connection;

// The movie a save was meant for is no longer in the catalogue; nothing was written. Editing it
// further cannot succeed: the window may let go of it.
class MovieGone : public Error {
public:
    using Error::Error;
};

// Writes a new movie with its genre links; returns its id, or -1 (writing nothing) when a movie
// of that title (ignoring case) exists.
int InsertMovie(Connection& connection, const MovieRecord& movie);
// Rewrites every field of a movie and replaces its genre links. Movie.GenreId is left alone.
// A movie that is no longer there is MovieGone, and nothing is written.
void UpdateMovie(Connection& connection, int movieId, const MovieRecord& movie);
// Makes the movie's cast exactly these actors, in this order; a name with no Actor row is skipped.
// A movie that is no longer there is MovieGone, and nothing is written.
void SetMovieCast(Connection& connection, int movieId, const QStringList& actorNames);
// The same for actors whose ids the caller has already found.
void SetMovieCastIds(Connection& connection, int movieId, const QList<int>& actorIds);
// Removes a movie with its cast and genre links.
void DeleteMovieRows(Connection& connection, int movieId);
// Every movie in the file, including any that the main list cannot show.
int CountMovies(Connection& connection);
// The id of the first movie with this title (ignoring case), or 0.
int FindMovieByTitle(Connection& connection, const QString& title);

}  // namespace db
