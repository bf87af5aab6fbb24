#include "db/TextRoutines.h"

#include "db/StoredDate.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace db {

QString NumericOnly(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (QChar c : text)
        if ((c >= u'0' && c <= u'9') || c == u'.' || c == u'-')
            result.append(c);
    return result;
}

double LeadingNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    // Up to 15 digits are exact in a double, and so is their quotient by a power of ten: the
    // number most fields hold is read without the general parser.
    qint64 digitsValue = 0;
    int digitCount = 0;
    int fractionDigits = 0;
    bool digits = false;
    auto readDigits = [&](bool fraction) {
        for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
            if (++digitCount <= 15)
                digitsValue = digitsValue * 10 + (text[i].unicode() - u'0');
            fractionDigits += fraction ? 1 : 0;
            digits = true;
        }
    };
    readDigits(false);
    if (i < text.size() && text[i] == u'.') {
        ++i;
        readDigits(true);
    }
    if (!digits)
        return 0;
    if (digitCount <= 15) {
        const double value = double(digitsValue) / std::pow(10.0, fractionDigits);
        return text[start] == u'-' ? -value : value;
    }
    QString number = text.mid(start, i - start).toString();
    if (number.endsWith(u'.'))
        number.chop(1);
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : 0;
}

int LeadingWholeNumber(QStringView text) {
    const double value = std::round(LeadingNumber(text));
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return 0;
    return static_cast<int>(value);
}

namespace {

// Two-digit years: 00-29 are this century, 30-99 the last.
int fullYear(int year, int digits) {
    if (digits > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

QTime timeOf(const QRegularExpressionMatch& match, int first) {
    if (match.captured(first).isEmpty())
        return QTime(0, 0);
    int hour = match.captured(first).toInt();
    const int minute = match.captured(first + 1).toInt();
    const int second = match.captured(first + 2).toInt();
    const QString half = match.captured(first + 3).toUpper();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return {};
        hour = (hour % 12) + (half == QLatin1String("PM") ? 12 : 0);
    }
    return QTime(hour, minute, second);
}

int monthNumber(const QString& name) {
    const QLocale c = QLocale::c();
    for (int month = 1; month <= 12; ++month) {
        if (name.compare(c.monthName(month, QLocale::LongFormat), Qt::CaseInsensitive) == 0 ||
            name.compare(c.monthName(month, QLocale::ShortFormat), Qt::CaseInsensitive) == 0)
            return month;
    }
    return 0;
}

QDateTime dateOf(int year, int month, int day, const QTime& time) {
    const QDate date(year, month, day);
    if (!date.isValid() || !time.isValid())
        return {};
    return CatalogueDateTime(date, time);
}

}  // namespace

QDateTime SafeDate(QStringView input) {
    static const QString time =
        QStringLiteral(R"((?:[ T]+(\d{1,2}):(\d{2})(?::(\d{2}))?\s*([AaPp][Mm])?)?)");
    static const QRegularExpression monthFirst(
        QStringLiteral(R"(^(\d{1,2})[/.-](\d{1,2})[/.-](\d{1,4}))") + time + QStringLiteral("$"));
    static const QRegularExpression yearFirst(
        QStringLiteral(R"(^(\d{4})[/.-](\d{1,2})[/.-](\d{1,2}))") + time + QStringLiteral("$"));
    static const QRegularExpression dayName(
        QStringLiteral(R"(^(\d{1,2})[ -]+([A-Za-z]+)\.?[ ,-]+(\d{2,4}))") + time +
        QStringLiteral("$"));
    static const QRegularExpression nameDay(
        QStringLiteral(R"(^([A-Za-z]+)\.?\s+(\d{1,2}),?\s+(\d{2,4}))") + time +
        QStringLiteral("$"));

    // The movie file's own form, "03/15/2004", without the patterns.
    const QStringView trimmed = input.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (trimmed.size() == 10 && trimmed[2] == u'/' && trimmed[5] == u'/') {
        int parts[3] = {0, 0, 0};
        const int starts[3] = {0, 3, 6};
        const int lengths[3] = {2, 2, 4};
        bool plain = true;
        for (int part = 0; part < 3 && plain; ++part) {
            for (int at = starts[part]; at < starts[part] + lengths[part] && plain; ++at) {
                const char16_t c = trimmed[at].unicode();
                plain = c >= u'0' && c <= u'9';
                parts[part] = parts[part] * 10 + (c - u'0');
            }
        }
        if (plain)
            return dateOf(parts[2], parts[0], parts[1], QTime(0, 0));
    }
    const QString text = trimmed.toString();
    QRegularExpressionMatch match = monthFirst.match(text);
    if (match.hasMatch()) {
        const int year = fullYear(match.captured(3).toInt(), int(match.captured(3).size()));
        return dateOf(year, match.captured(1).toInt(), match.captured(2).toInt(), timeOf(match, 4));
    }
    match = yearFirst.match(text);
    if (match.hasMatch())
        return dateOf(match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(3).toInt(), timeOf(match, 4));
    match = dayName.match(text);
    if (match.hasMatch()) {
        const int year = fullYear(match.captured(3).toInt(), int(match.captured(3).size()));
        return dateOf(year, monthNumber(match.captured(2)), match.captured(1).toInt(),
                      timeOf(match, 4));
    }
    match = nameDay.match(text);
    if (match.hasMatch()) {
        const int year = fullYear(match.captured(3).toInt(), int(match.captured(3).size()));
        return dateOf(year, monthNumber(match.captured(1)), match.captured(2).toInt(),
                      timeOf(match, 4));
    }
    return {};
}

QString StripQuotes(QStringView text) {
    QString result = text.toString();
    result.remove(u'"');
    return result;
}

QString WildcardToLike(QStringView text) {
    QString result = text.toString();
    result.replace(u'*', u'%');
    result.replace(u'?', u'_');
    return result;
}

QString EncodeLineBreaks(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            result.append(u'|');
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (text[i] == u'\n') {
            result.append(u'|');
        } else {
            result.append(text[i]);
        }
    }
    return result;
}

QString DecodeLineBreaks(QStringView text) {
    QString result = text.toString();
    result.replace(u'|', u'\n');
    return result;
}

}  // namespace db
