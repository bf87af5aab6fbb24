#pragma once

#include "db/ReadingOrder.h"

#include <gtest/gtest.h>
#include <QLocale>
#include <QStringList>

namespace test {

// The reading order of one language for the life of a test.
class ReadingLocale {
public:
    explicit ReadingLocale(const char* name) { db::SetReadingLocale(QLocale(QLatin1String(name))); }
    ~ReadingLocale() { db::SetReadingLocale(QLocale()); }
};

// Names as the catalogue holds them, and the order a reader of each language expects: accented
// capitals among their base letters, case never splitting a group, and Ñ a letter of its own
// after N in Spanish only.
inline const QStringList NamesToOrder = {"Zed",   "Ñandú", "emma",   "Oscar", "Émile",
                                         "nadia", "EMU",   "Nelson", "Eve"};

struct ReadingOrderCase {
    const char* locale;
    QStringList order;
};

inline void PrintTo(const ReadingOrderCase& each, std::ostream* out) {
    *out << each.locale;
}

inline const QStringList WithTheNs = {"Émile", "emma",   "EMU",   "Eve", "nadia",
                                      "Ñandú", "Nelson", "Oscar", "Zed"};
inline const QStringList AfterTheNs = {"Émile",  "emma",  "EMU",   "Eve", "nadia",
                                       "Nelson", "Ñandú", "Oscar", "Zed"};

inline const ReadingOrderCase ReadingOrderCases[] = {
    {"de_DE", WithTheNs}, {"fr_FR", WithTheNs}, {"es_ES", AfterTheNs}};

}  // namespace test
