#pragma once

#include "db/Currency.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QVariant>
#include <optional>

// How the reports print a movie's values.
namespace report {

// "0.0": one decimal, with the user's decimal separator.
QString StarsText(double stars, const QLocale& locale = QLocale());
// A money amount in the user's currency format, to the cent, exact however large.
QString CurrencyText(db::Currency amount, const QLocale& locale = QLocale());
// A stored cost; one too large for the currency type is shown as well as the locale can.
QString CurrencyText(double amount, const QLocale& locale = QLocale());
// A stored cost as an exact amount; nothing when the currency type cannot hold it.
std::optional<db::Currency> CurrencyOf(double amount);
// "###,##0": a count with the user's digit grouping.
QString CountText(qint64 count, const QLocale& locale = QLocale());
// "mm/dd/yyyy", or nothing for no date or one before 1900.
QString DateText(const QVariant& stored);
// The ids of a saved selection ("2,5"); what is not a number is left out.
QList<int> IdsFromText(const QString& text);

}  // namespace report
