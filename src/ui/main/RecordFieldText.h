#pragma once

#include "db/Currency.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace ui {

// How the record view writes numbers into its fields and reads them back: leniently, never
// with a message, and never losing the amount a user typed in their own locale.

QString StarsText(double stars);  // "4.0": one decimal
double StarsFromText(const QString& text);
QString WholeNumberText(int value);  // minutes and year: empty for 0
int WholeNumberFromText(const QString& text);
QString CostText(db::Currency cost, const QLocale& locale = QLocale());  // "$12.50"
// The locale's own way first ("12,50 €" is 12.5 in Germany); else only digits, "." and "-".
// Text without a number reads as 0; nothing when the number is no amount of money (NaN,
// infinite, too large for the currency type).
std::optional<db::Currency> CostFromText(const QString& text, const QLocale& locale = QLocale());

// Whether a typed number field holds a number at all: empty, or beginning with one ("12 min"
// is 12). "L000" is none, and is refused rather than saved as 0.
bool IsNumberText(const QString& text);
// The same for a cost, with the locale's currency symbol and separators allowed.
bool IsCostText(const QString& text, const QLocale& locale = QLocale());

}  // namespace ui
