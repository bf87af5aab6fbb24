#include "db/StoredDate.h"

#include <QVariant>
#include <cstdio>

namespace db {

namespace {

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
    const QDate day = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(11, 8), QStringLiteral("HH:mm:ss"));
    const QDateTime date = CatalogueDateTime(day, time);
    return isDate(date) ? date : QDateTime();
}

QString SlashDateText(const QDateTime& date) {
    return isDate(date) ? date.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

}  // namespace db
