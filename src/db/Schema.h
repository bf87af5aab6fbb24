#pragma once

#include <QString>

namespace db {

class Connection;

// Builds and seeds a new catalogue file at path, which must not exist. The file is built under a
// temporary name and moved into place only when complete, so a failed build leaves nothing that
// a later start could take for a catalogue. The new file is at schema version 0.
void CreateDatabase(const QString& path);

// The table builders, in the order CreateDatabase runs them.
void CreateActorTable(Connection& connection);
void CreateGenreTable(Connection& connection);
void CreateLocationTable(Connection& connection);
void CreateMediaTable(Connection& connection);
void CreateMovieTable(Connection& connection);
void CreateMovieActorTable(Connection& connection);
void CreateRatingTable(Connection& connection);
void CreateVersionTable(Connection& connection);
// Added by the first upgrade step.
void CreateMovieGenreTable(Connection& connection);
// Added by the fourth: one cover picture per movie, removed with its movie by a trigger in plain
// SQL, so that a delete by any client takes the picture with it.
void CreateMoviePictureTable(Connection& connection);

}  // namespace db
