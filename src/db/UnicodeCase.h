#pragma once

class QSqlDatabase;
struct sqlite3;

namespace db {

// Makes = (through the columns' NOCASE collation) and LIKE ignore letter case for every letter,
// not only A-Z, on one of the program's connections. The file names only the built-in NOCASE,
// so the stock sqlite3 tool still reads and writes it (folding A-Z only).
// Returns the engine's own connection under the driver.
sqlite3* InstallUnicodeCase(QSqlDatabase& database);

// Exposed for tests: the collation and the LIKE match on UTF-8 text.
int CompareIgnoringCase(const char* a, int aLength, const char* b, int bLength);
bool LikeIgnoringCase(const char* pattern, const char* text, char32_t escape);

}  // namespace db
