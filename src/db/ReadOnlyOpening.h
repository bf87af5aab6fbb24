#pragma once

#include <QString>

struct sqlite3;

namespace db {

// Commands that only read open the catalogue read-only and without its lock, so that they work
// on a folder that cannot be written (read-only, or a full disk). In WAL mode the engine still
// needs a shared-memory file beside the catalogue; where it cannot make one and no journal is
// waiting to be merged, the file is read as unchanging instead.

// The name the engine is given to open path as unchanging, with SQLITE_OPEN_URI.
QByteArray UnchangingUri(const QString& path);
// Whether path may be read as unchanging after a read-only opening failed: nothing is waiting
// in its journal that such a reading would miss.
bool MayReadAsUnchanging(const QString& path);
// The engine's read-only connection to path; throws Error when the file cannot be opened.
sqlite3* OpenForReading(const QString& path);

}  // namespace db
