#include "report/SpoolFormat.h"

#include <QLocale>
#include <QString>
#include <cmath>
#include <limits>

namespace report::spool {

QByteArray NumberText(double value) {
    // Adding 0 turns a negative zero into "0".
    return QByteArray::number(value + 0.0, 'f', QLocale::FloatingPointShortest);
}

double ReadNumber(QStringView line, bool* ok) {
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
