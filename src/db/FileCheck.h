#pragma once

#include <QStringList>

namespace db {

// SQLite's own integrity check of a catalogue file, as the stock sqlite3 tool runs it: through a
// connection with none of the program's functions or collations. Empty when the file is sound;
// otherwise what the check found (at most 100 lines). Throws Error when the file cannot be read.
QStringList IntegrityProblems(const QString& path);

// True when every finding is about an index: rows missing from one, or a wrong count of entries.
// The tables are whole then, and rebuilding the indexes (REINDEX) mends the file.
bool OnlyIndexesDamaged(const QStringList& problems);

}  // namespace db
