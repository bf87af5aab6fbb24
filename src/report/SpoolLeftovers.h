#pragma once

#include <QString>

namespace report {

// Removes the spool files that reports killed before their end left in the Temp folder of
// catalogueFolder: only names the spool writer gives, only files no process has open, and
// nothing at all while another running copy of the program holds a catalogue's lock there.
void RemoveLeftoverSpoolFiles(const QString& catalogueFolder);

}  // namespace report
