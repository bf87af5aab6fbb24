#pragma once

#include <QString>

struct sqlite3;

namespace db {

// Commands that only read open the catalogue read-only and without its lock, so that they work
// on a folder that cannot be written (read-only, or a full disk). In WAL mode the engine still
// needs a shared-memory file beside the catalogue; where it cannot make one and no journal is
// waiting to be merged, the file is read as unchanging instead: no other program can be
// writing it then, for none could make the journal that takes its writes.

// Whether files can be written in folder: it is not read-only and its disk is not (nearly)
// full.
bool HasRoomToWrite(const QString& folder);
// Whether path is read as unchanging from the start: no other connection has it open (no
// journal or shared-memory file beside it) and its folder cannot take those files (read-only,
// or nearly full).
bool ReadAsUnchanging(const QString& path);
// The name the engine is given to open path as unchanging, with SQLITE_OPEN_URI.
QByteArray UnchangingUri(const QString& path);
// Whether path may be read as unchanging after a read-only opening failed: nothing is waiting
// in its journal that such a reading would miss.
bool MayReadAsUnchanging(const QString& path);
// The engine's read-only connection to path; throws Error when the file cannot be opened.
sqlite3* OpenForReading(const QString& path);

}  // namespace db
