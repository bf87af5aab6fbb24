#pragma once

class QSqlDatabase;
class QString;
struct sqlite3;

namespace db {

// Makes LIKE ignore letter case for every letter, not only A-Z, on one of the program's
// connections, and adds what the program's own statements use for the same: the collation
// UNICODE_NOCASE and the function unicode_fold(text), which gives CaseFold of the text. Built-in
// collations stay as SQLite defines them: the file's indexes are ordered by them, and other
// programs must find those indexes in the order they expect. Nothing in the file names these.
// Returns the engine's own connection under the driver.
sqlite3* InstallUnicodeCase(QSqlDatabase& database);

// The text with every letter in one case, so that texts that differ only in letter case fold
// alike ("Straße" and "STRASSE" both give "strasse"). Never null.
QString CaseFold(const QString& text);

// Exposed for tests: the collation and the LIKE match on UTF-8 text.
int CompareIgnoringCase(const char* a, int aLength, const char* b, int bLength);
bool LikeIgnoringCase(const char* pattern, const char* text, char32_t escape);

}  // namespace db
