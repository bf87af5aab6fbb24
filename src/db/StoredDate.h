#pragma once

#include <QDateTime>
#include <QString>

class QVariant;

namespace db {

// Dates are stored as "yyyy-MM-dd HH:mm:ss"; 1 January 1899 stands for no date, and every stored
// date before 1900 reads as no date. In the program no date is an invalid QDateTime.
inline constexpr char EmptyDateText[] = "1899-01-01 00:00:00";

// Catalogue dates are wall-clock readings without a zone; they are kept as UTC so that no
// daylight-saving gap can make one invalid.
QDateTime CatalogueDateTime(const QDate& date, const QTime& time = QTime(0, 0));
QDateTime CurrentCatalogueDateTime();

QString StoredDateText(const QDateTime& date);
QDateTime DateFromStored(const QVariant& value);
// The day alone of a stored text in the stored form, or an invalid QDate for no date and for
// text in any other form: read by hand for every movie an export or a publish writes.
QDate DayFromStored(const QString& stored);
// "mm/dd/yyyy", or empty for no date: how the record view, the movie file and reports show it.
QString SlashDateText(const QDateTime& date);

}  // namespace db
