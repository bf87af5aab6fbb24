#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

namespace db {

// Keeps only 0-9, "." and "-": "1,299.50 $" gives "1299.50".
QString NumericOnly(QStringView text);
// The number the text begins with, after leading blanks; 0 when it begins with none ("12-3" is 12).
double LeadingNumber(QStringView text);
// A whole number from LeadingNumber, rounded; 0 when out of range.
int LeadingWholeNumber(QStringView text);
// A lenient date reader: "3/15/2004", "2004-03-15", "15 Mar 2004", "March 15, 2004", with an
// optional time. Anything else is no date (an invalid QDateTime).
QDateTime SafeDate(QStringView text);
QString StripQuotes(QStringView text);
// "*" becomes "%" and "?" becomes "_"; a "%" or "_" the user typed stays as it is.
QString WildcardToLike(QStringView text);
// Every line break (CR LF, CR or LF) becomes "|", so that notes fit on one line of the movie file.
QString EncodeLineBreaks(QStringView text);
// Every "|" becomes a line break.
QString DecodeLineBreaks(QStringView text);

}  // namespace db
