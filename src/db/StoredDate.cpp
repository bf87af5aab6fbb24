#include "db/StoredDate.h"

#include <QVariant>
#include <cstdio>

namespace db {

namespace {

// Whether the text holds the pattern at the position: 'd' a digit, anything else itself.
bool digitsAt(const QString& text, qsizetype at, const char* pattern) {
    for (qsizetype i = 0; pattern[i] != '\0'; ++i) {
        if (at + i >= text.size())
            return false;
        const QChar letter = text[at + i];
        if (pattern[i] == 'd' ? (letter < u'0' || letter > u'9')
                              : letter != QLatin1Char(pattern[i]))
            return false;
    }
    return true;
}

int number(const QString& text, qsizetype at, int digits) {
    int value = 0;
    for (int i = 0; i < digits; ++i)
        value = value * 10 + (text[at + i].unicode() - u'0');
    return value;
}

bool isDate(const QDateTime& date) {
    return date.isValid() && date.date().year() >= 1900;
}

}  // namespace

QDateTime CatalogueDateTime(const QDate& date, const QTime& time) {
    return date.isValid() ? QDateTime(date, time.isValid() ? time : QTime(0, 0), Qt::UTC)
                          : QDateTime();
}

QDateTime CurrentCatalogueDateTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QTime time = now.time();
    return CatalogueDateTime(now.date(), QTime(time.hour(), time.minute(), time.second()));
}

QString StoredDateText(const QDateTime& date) {
    if (!isDate(date))
        return QString::fromLatin1(EmptyDateText);
    // Written for every movie an import writes: plainly, without the general formatter.
    const QDate day = date.date();
    const QTime time = date.time();
    char text[32];
    const int length =
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", day.year(), day.month(),
                      day.day(), time.hour(), time.minute(), time.second());
    return QString::fromLatin1(text, length);
}

QDateTime DateFromStored(const QVariant& value) {
    if (value.isNull())
        return {};
    const QString text = value.toString().trimmed();
    // The stored form is read by hand, as a report reads it for every movie; anything else
    // goes through the general parser.
    const QDate day = digitsAt(text, 0, "dddd-dd-dd")
                          ? QDate(number(text, 0, 4), number(text, 5, 2), number(text, 8, 2))
                          : QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = digitsAt(text, 11, "dd:dd:dd") && text.size() == 19
                           ? QTime(number(text, 11, 2), number(text, 14, 2), number(text, 17, 2))
                           : QTime::fromString(text.mid(11, 8), QStringLiteral("HH:mm:ss"));
    const QDateTime date = CatalogueDateTime(day, time);
    return isDate(date) ? date : QDateTime();
}

QDate DayFromStored(const QString& stored) {
    const QString text = stored.trimmed();
    if (!digitsAt(text, 0, "dddd-dd-dd"))
        return {};
    const QDate day(number(text, 0, 4), number(text, 5, 2), number(text, 8, 2));
    return day.isValid() && day.year() >= 1900 ? day : QDate();
}

QString SlashDateText(const QDateTime& date) {
    return isDate(date) ? date.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

}  // namespace db
