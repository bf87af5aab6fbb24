#include "db/Currency.h"

#include <cmath>

namespace db {

Currency Currency::fromDouble(double value) {
    return Currency(static_cast<qint64>(std::llround(value * 10000.0)));
}

std::optional<Currency> Currency::fromAmount(double value) {
    const double scaled = std::round(value * 10000.0);
    constexpr double Limit = 9223372036854775808.0;  // 2^63: the first value qint64 cannot hold
    if (!std::isfinite(scaled) || scaled >= Limit || scaled < -Limit)
        return std::nullopt;
    return Currency(static_cast<qint64>(scaled));
}

QString Currency::toPlainText() const {
    const qint64 magnitude = value_ < 0 ? -value_ : value_;
    QString text = QString::number(magnitude / 10000);
    QString fraction = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return value_ < 0 ? QLatin1Char('-') + text : text;
}

}  // namespace db
