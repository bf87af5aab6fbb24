#include "report/SpoolFormat.h"

#include <QLocale>
#include <QString>
#include <cmath>
#include <limits>
#include <optional>

namespace report::spool {

QByteArray NumberText(double value) {
    // Adding 0 turns a negative zero into "0".
    return QByteArray::number(value + 0.0, 'f', QLocale::FloatingPointShortest);
}

namespace {

// A whole number of a few digits, as most of a spool file's numbers are (tabs, styles).
std::optional<double> plainWholeNumber(QStringView text) {
    const bool negative = text.startsWith(u'-');
    const QStringView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
        value = value * 10 + (digit.unicode() - u'0');
    }
    return negative ? -double(value) : double(value);
}

}  // namespace

double ReadNumber(QStringView line, bool* ok) {
    if (const std::optional<double> whole = plainWholeNumber(line.trimmed())) {
        if (ok)
            *ok = true;
        return *whole;
    }
    QString text = line.trimmed().toString();
    text.replace(u',', u'.');
    bool read = false;
    const double value = QLocale::c().toDouble(text, &read);
    read = read && std::isfinite(value);
    if (ok)
        *ok = read;
    return read ? value : 0;
}

int ReadInteger(QStringView line, bool* ok) {
    bool read = false;
    const double value = std::round(ReadNumber(line, &read));
    read = read && value >= std::numeric_limits<int>::min() &&
           value <= std::numeric_limits<int>::max();
    if (ok)
        *ok = read;
    return read ? static_cast<int>(value) : 0;
}

}  // namespace report::spool
