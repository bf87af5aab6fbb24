#pragma once

#include <QStringList>

namespace db {

// SQLite's own integrity check of a catalogue file, as the stock sqlite3 tool runs it: through a
// connection with none of the program's functions or collations. Empty when the file is sound;
// otherwise what the check found (at most 100 lines). Throws Error when the file cannot be read.
QStringList IntegrityProblems(const QString& path);

}  // namespace db
