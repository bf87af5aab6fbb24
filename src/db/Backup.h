#pragma once

#include <QString>

namespace db {

class Catalogue;

// How many backups of one catalogue are kept before destructive work.
inline constexpr int BackupsKept = 5;

// A consistent copy of the catalogue file at path, made with SQLite's online backup: safe while
// the program's window or another copy reads and writes it. The copy is one self-contained file
// (no -wal beside it); it replaces destination only once complete. Throws Error saying why.
void BackupCatalogue(const QString& path, const QString& destination);

// The backup made before Start over, an import into a catalogue that has movies, a repair or a
// merge: <catalogue folder>/Backups/<NAME>-<yyyyMMdd-HHmmss>.db, of which the newest BackupsKept
// of the catalogue stay. Returns the backup's path; throws Error, with nothing changed, when it
// cannot be written.
QString BackupBeforeChange(const Catalogue& catalogue);

}  // namespace db
