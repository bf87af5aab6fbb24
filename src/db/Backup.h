#pragma once

#include <QString>

namespace db {

class Catalogue;

// How many backups of one catalogue are kept before destructive work.
inline constexpr int BackupsKept = 5;

// A consistent copy of the catalogue file at path, made with SQLite's online backup: safe while
// the program's window or another copy reads and writes it; path is only read. The copy is one
// self-contained file (no -wal beside it); it replaces destination only once complete, and
// what a failure leaves is removed at once. A destination that is not a regular file (a link,
// a device), or is the catalogue's own file or one of the engine's beside it, is refused.
// Throws Error saying why.
void BackupCatalogue(const QString& path, const QString& destination);

// The backup made before Start over, an import into a catalogue that has movies, a repair or a
// merge: <catalogue folder>/Backups/<NAME>-<yyyyMMdd-HHmmss>[-N].db, a name never given before
// while its backup is kept. The newest BackupsKept of the catalogue's own names stay, by the
// times in their names, the new one always among them; other files there are left alone. Returns
// the backup's path; throws Error, with nothing changed, when it cannot be written.
QString BackupBeforeChange(const Catalogue& catalogue);

// Removes what backups of the catalogue that were killed or failed left in its Backups folder
// (their .part files and the engine's journals beside them). Only for the holder of the
// catalogue's lock, which is the only one that writes them.
void RemoveUnfinishedBackups(const Catalogue& catalogue);

}  // namespace db
