#pragma once

#include <QString>

namespace db {

// Whether another running copy of the program holds the lock of a catalogue in folder. What
// such a copy may still be writing (a report's spool file) is then not taken for a leftover.
// Locks left by copies that have ended are not counted.
bool AnotherCopyIsRunning(const QString& folder);

}  // namespace db
