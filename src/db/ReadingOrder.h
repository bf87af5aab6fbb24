#pragma once

#include <QCollatorSortKey>
#include <QLocale>
#include <array>

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

// Most titles and names are written in Latin-1 letters, which most languages order letter by
// letter: first by the letters without their accents, then by the accents. Where the language
// does so, the place of each such character among the letters (from 1, 0 for the characters
// it does otherwise: "ñ" in Spanish, "ß", signs it passes over) and the place of its accent
// (0 for none), so that a text of them compares as its places, then its accents. Null where
// even printable ASCII is ordered otherwise ("ch" in Czech). Checked on every text of one and
// two such characters, once for each language.
struct PlainPlaces {
    std::array<quint8, 256> letter{};
    std::array<quint8, 256> accent{};
};
const PlainPlaces* PlainReadingPlaces();
// Appends to key the places of the text's letters and, when any has an accent, a 0 and the
// places of the accents; such keys compare byte by byte as their texts read. False, with nothing
// appended, when a character of the text has no place.
bool AppendPlainKey(QByteArray& key, QStringView text, const PlainPlaces& places);

// Adds the collation READING_ORDER to one of the program's connections, for the ORDER BY of
// what is shown to a person. Only statements name it: the language may change between runs, so
// no index or schema may.
void InstallReadingOrder(sqlite3* connection);
// The name statements use for it.
inline constexpr char ReadingOrderCollation[] = "READING_ORDER";

}  // namespace db
