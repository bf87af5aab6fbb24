#include "db/ReadingOrder.h"

#include "db/DatabaseError.h"

#include <sqlite3.h>
#include <QCollator>
#include <QMutex>
#include <QString>
#include <atomic>
#include <optional>
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

QCollatorSortKey ReadingKey(const QString& text) {
    return ReadingCollator().sortKey(text);
}

void InstallReadingOrder(sqlite3* connection) {
    if (sqlite3_create_collation(connection, ReadingOrderCollation, SQLITE_UTF8, nullptr,
                                 collate) != SQLITE_OK)
        throw Error(QString::fromUtf8(sqlite3_errmsg(connection)));
}

}  // namespace db
