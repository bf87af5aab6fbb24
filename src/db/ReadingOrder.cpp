#include "db/ReadingOrder.h"

#include "db/DatabaseError.h"

#include <sqlite3.h>
#include <QCollator>
#include <QMutex>
#include <QString>
#include <algorithm>
#include <atomic>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace db {

namespace {

QMutex localeLock;
QLocale chosenLocale;  // guarded by localeLock
bool localeChosen = false;
std::atomic<int> localeGeneration{0};

QLocale orderingLocale(const QLocale& locale) {
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : locale;
}

// UTF-8 from the engine as UTF-16 for the collator, into a buffer kept between calls: a sort
// compares many times, and most texts are ASCII.
QStringView utf16Of(const char* text, int length, std::vector<char16_t>& buffer, QString& wide) {
    buffer.resize(size_t(length));
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            wide = QString::fromUtf8(text, length);
            return wide;
        }
        buffer[size_t(i)] = c;
    }
    return QStringView(buffer.data(), length);
}

int collate(void*, int aLength, const void* a, int bLength, const void* b) {
    thread_local std::vector<char16_t> bufferA, bufferB;
    thread_local QString wideA, wideB;
    return ReadingCollator().compare(utf16Of(static_cast<const char*>(a), aLength, bufferA, wideA),
                                     utf16Of(static_cast<const char*>(b), bLength, bufferB, wideB));
}

}  // namespace

void SetReadingLocale(const QLocale& locale) {
    QMutexLocker locker(&localeLock);
    chosenLocale = locale;
    localeChosen = true;
    ++localeGeneration;
}

QLocale ReadingLocale() {
    QMutexLocker locker(&localeLock);
    return localeChosen ? chosenLocale : QLocale::system();
}

const QCollator& ReadingCollator() {
    thread_local std::optional<QCollator> collator;
    thread_local int generation = -1;
    const int current = localeGeneration.load();
    if (!collator || generation != current) {
        collator.emplace(orderingLocale(ReadingLocale()));
        collator->setCaseSensitivity(Qt::CaseInsensitive);
        generation = current;
    }
    return *collator;
}

namespace {

int sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

std::optional<PlainPlaces> plainPlacesOf(const QCollator& collator) {
    auto compare = [&](QStringView a, QStringView b) { return sign(collator.compare(a, b)); };
    PlainPlaces places;
    // Printable ASCII in order, equal ones (a letter in either case) sharing a place.
    std::vector<char16_t> ascii;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        ascii.push_back(c);
    std::sort(ascii.begin(), ascii.end(), [&](char16_t a, char16_t b) {
        return compare(QStringView(&a, 1), QStringView(&b, 1)) < 0;
    });
    quint8 place = 0;
    for (size_t i = 0; i < ascii.size(); ++i) {
        if (i == 0 || compare(QStringView(&ascii[i - 1], 1), QStringView(&ascii[i], 1)) != 0)
            ++place;
        places.letter[ascii[i]] = place;
    }
    // Latin-1 letters that are an ASCII letter with one accent take the letter's place; the
    // accents are put in order on one letter.
    std::vector<char16_t> marks;
    std::vector<std::pair<char16_t, char16_t>> accented;  // letter, mark
    for (char16_t c = 0xC0; c <= 0xFF; ++c) {
        const QString parts = QString(QChar(c)).normalized(QString::NormalizationForm_D);
        if (parts.size() != 2 || parts[0].unicode() >= 0x7F || !parts[0].isLetter())
            continue;
        accented.emplace_back(c, parts[1].unicode());
        if (std::find(marks.begin(), marks.end(), parts[1].unicode()) == marks.end())
            marks.push_back(parts[1].unicode());
    }
    auto onA = [](char16_t mark) { return QString(QLatin1Char('a')) + QChar(mark); };
    std::sort(marks.begin(), marks.end(),
              [&](char16_t x, char16_t y) { return compare(onA(x), onA(y)) < 0; });
    std::array<quint8, 0x10000> markPlace{};
    quint8 markRank = 0;
    for (size_t i = 0; i < marks.size(); ++i) {
        if (i == 0 || compare(onA(marks[i - 1]), onA(marks[i])) != 0)
            ++markRank;
        markPlace[marks[i]] = markRank;
    }
    for (const auto& [c, mark] : accented) {
        const QString parts = QString(QChar(c)).normalized(QString::NormalizationForm_D);
        places.letter[c] = places.letter[parts[0].unicode()];
        places.accent[c] = markPlace[mark];
    }

    // Every text of one or two plain characters, in the order of their places: the collator
    // must agree with each neighbour. An accented letter it disagrees on is left to the
    // collator; a disagreement over ASCII alone means the places tell nothing.
    for (int round = 0; round < 16; ++round) {
        std::vector<char16_t> plain;
        for (char16_t c = 0; c < 0x100; ++c)
            if (places.letter[c] != 0)
                plain.push_back(c);
        std::vector<std::pair<QByteArray, std::u16string>> texts;  // key, text
        auto add = [&](const std::u16string& text) {
            QByteArray key;
            AppendPlainKey(key, text, places);
            texts.emplace_back(key, text);
        };
        for (char16_t a : plain) {
            add(std::u16string(1, a));
            for (char16_t b : plain)
                add(std::u16string{a, b});
        }
        std::sort(texts.begin(), texts.end());
        std::map<char16_t, int> wrong;  // how often each accented letter is in a disagreement
        for (size_t i = 1; i < texts.size(); ++i) {
            const int expected = texts[i - 1].first < texts[i].first ? -1 : 0;
            if (compare(texts[i - 1].second, texts[i].second) == expected)
                continue;
            bool accented = false;
            for (const std::u16string* text : {&texts[i - 1].second, &texts[i].second})
                for (char16_t c : *text)
                    if (c >= 0x80) {
                        ++wrong[c];
                        accented = true;
                    }
            if (!accented)
                return std::nullopt;
        }
        if (wrong.empty())
            return places;
        // The letter in most disagreements goes, in both cases, and the rest is checked again.
        const char16_t worst =
            std::max_element(wrong.begin(), wrong.end(), [](const auto& a, const auto& b) {
                return a.second < b.second;
            })->first;
        for (const QChar c : {QChar(worst), QChar(worst).toLower(), QChar(worst).toUpper()})
            if (c.unicode() < 0x100)
                places.letter[c.unicode()] = places.accent[c.unicode()] = 0;
    }
    return std::nullopt;
}

}  // namespace

bool AppendPlainKey(QByteArray& key, QStringView text, const PlainPlaces& places) {
    const qsizetype start = key.size();
    qsizetype lastAccent = -1;
    key.resize(start + text.size());
    char* out = key.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x100 || places.letter[c] == 0) {
            key.resize(start);
            return false;
        }
        *out++ = char(places.letter[c]);
        if (places.accent[c] != 0)
            lastAccent = i;
    }
    // Accents after the letters, as the collator weighs them: only when the letters are
    // equal. Trailing letters without one add nothing to the order.
    if (lastAccent >= 0) {
        key += '\0';
        for (qsizetype i = 0; i <= lastAccent; ++i)
            key += char(places.accent[text[i].unicode()] + 1);
    }
    return true;
}

const PlainPlaces* PlainReadingPlaces() {
    // Worked out once for each language the program is given, whatever thread asks: the list's
    // titles are ranked on a thread made for each refill. Kept for the program's life, so that
    // a thread still using the places of a language left behind reads them safely.
    static QMutex placesLock;
    static std::map<int, std::optional<PlainPlaces>> placesByLanguage;  // by localeGeneration
    const int current = localeGeneration.load();
    QMutexLocker locker(&placesLock);
    auto found = placesByLanguage.find(current);
    if (found == placesByLanguage.end())
        found = placesByLanguage.emplace(current, plainPlacesOf(ReadingCollator())).first;
    return found->second ? &*found->second : nullptr;
}

QCollatorSortKey ReadingKey(const QString& text) {
    return ReadingCollator().sortKey(text);
}

void InstallReadingOrder(sqlite3* connection) {
    if (sqlite3_create_collation(connection, ReadingOrderCollation, SQLITE_UTF8, nullptr,
                                 collate) != SQLITE_OK)
        throw Error(QString::fromUtf8(sqlite3_errmsg(connection)));
}

}  // namespace db
