#include "report/ReportValues.h"

#include "db/StoredDate.h"

#include <cmath>

namespace report {

namespace {

// The currency type holds up to 922,337,203,685,477.5807; beyond whole units below that, the
// conversion from a double could overflow.
constexpr double MaxAmount = 922337203685477.0;

}  // namespace

QString StarsText(double stars, const QLocale& locale) {
    return locale.toString(stars, 'f', 1);
}

QString CurrencyText(db::Currency amount, const QLocale& locale) {
    // The locale places the symbol and the sign around its own "1.00"; the digits are put in
    // from the whole number of cents, so that no amount is rounded through a double.
    const qint64 tenThousandths = amount.tenThousandths();
    const bool negative = tenThousandths < 0;
    const quint64 magnitude =
        negative ? 0 - static_cast<quint64>(tenThousandths) : static_cast<quint64>(tenThousandths);
    const quint64 cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QString digits = grouped.toString(static_cast<qulonglong>(cents / 100)) +
                           grouped.decimalPoint() +
                           QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
    const QString pattern = locale.toCurrencyString(negative ? -1.0 : 1.0);
    const QString one = locale.toString(1.0, 'f', 2);
    return pattern.contains(one) ? QString(pattern).replace(one, digits) : pattern + digits;
}

std::optional<db::Currency> CurrencyOf(double amount) {
    if (!std::isfinite(amount) || std::abs(amount) >= MaxAmount)
        return std::nullopt;
    return db::Currency::fromDouble(amount);
}

QString CurrencyText(double amount, const QLocale& locale) {
    if (const std::optional<db::Currency> exact = CurrencyOf(amount))
        return CurrencyText(*exact, locale);
    return locale.toCurrencyString(amount);
}

QString CountText(qint64 count, const QLocale& locale) {
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(count);
}

QString DateText(const QVariant& stored) {
    return db::SlashDateText(db::DateFromStored(stored));
}

QList<int> IdsFromText(const QString& text) {
    QList<int> ids;
    for (QStringView piece : QStringView(text).split(u',')) {
        bool ok = false;
        const int id = piece.trimmed().toInt(&ok);
        if (ok)
            ids.append(id);
    }
    return ids;
}

}  // namespace report
