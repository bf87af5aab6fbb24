#pragma once

namespace db {

class Connection;

inline constexpr int CurrentSchemaVersion = 4;

// The version recorded in the Version table: its first row, 0 when it has none or a null.
int ReadVersion(Connection& connection);

// Applies the one step that follows the recorded version: a catalogue three steps behind
// reaches the current schema over three openings. Each step is one transaction: when it fails
// nothing of it stays, the version is not advanced, and an UpgradeError says so.
void UpdateDatabase(Connection& connection);

void UpgradeToVersion1(Connection& connection);  // genres move to MovieGenre
void UpgradeToVersion2(Connection& connection);  // the "(none)" genre goes
void UpgradeToVersion3(Connection& connection);  // Movie.ImageFile
void UpgradeToVersion4(Connection& connection);  // MoviePicture
void SetVersion(Connection& connection, int version);
void MoveGenresToMovieGenre(Connection& connection);

}  // namespace db
