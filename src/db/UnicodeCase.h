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
// The same for one character below U+0100 (which may fold to one above it: µ to μ).
char16_t CaseFoldLatin1(char16_t c);

// The text as the filter line compares it: letter case and accents removed ("Amélie" and
// "AMELIE" both give "amelie", "Niño" gives "nino"), compatibility forms spelt out ("ﬁ" gives
// "fi"). For finding only: titles and names stay apart by their accents everywhere else.
QString FindingFold(const QString& text);

// Exposed for tests: the collation and the LIKE match on UTF-8 text.
int CompareIgnoringCase(const char* a, int aLength, const char* b, int bLength);
bool LikeIgnoringCase(const char* pattern, const char* text, char32_t escape);

}  // namespace db
