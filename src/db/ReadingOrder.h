#pragma once

#include <QCollatorSortKey>
#include <QLocale>

class QCollator;
class QString;
struct sqlite3;

namespace db {

// Titles and names as people read them: in the order of the user's language, letter case
// ignored, accented letters among their base letters ("Émile" with the E's) unless the
// language says otherwise ("Ñ" after every N in Spanish). Only for showing: nothing stored is
// ordered this way, and no index of the file knows it.

// The language whose order is used; the system's at first. The C locale has no order of its
// own, so it uses the common order of all languages, which English keeps unchanged.
void SetReadingLocale(const QLocale& locale);
QLocale ReadingLocale();

// A collator of the reading order for the calling thread.
const QCollator& ReadingCollator();
// Compared with compare(), keys order as their texts read.
QCollatorSortKey ReadingKey(const QString& text);

// Adds the collation READING_ORDER to one of the program's connections, for the ORDER BY of
// what is shown to a person. Only statements name it: the language may change between runs, so
// no index or schema may.
void InstallReadingOrder(sqlite3* connection);
// The name statements use for it.
inline constexpr char ReadingOrderCollation[] = "READING_ORDER";

}  // namespace db
