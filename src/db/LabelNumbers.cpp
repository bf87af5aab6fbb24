#include "db/LabelNumbers.h"

#include "db/Connection.h"

#include <QCollator>
#include <map>

namespace db {

namespace {

const QString LabelsAndTitles =
    QStringLiteral("SELECT [LabelNumber], [Title] FROM [Movie] WHERE trim([LabelNumber]) <> ''");

// The number written by the digits, as digits without leading zeros: numbers of any length
// compare by length, then as text.
QString significant(const QString& digits) {
    qsizetype start = 0;
    while (start + 1 < digits.size() && digits[start] == u'0')
        ++start;
    return digits.mid(start);
}

bool lessNumber(const QString& a, const QString& b) {
    const QString x = significant(a), y = significant(b);
    return x.size() != y.size() ? x.size() < y.size() : x < y;
}

// Adds one to a run of decimal digits, keeping its width unless it overflows ("099" gives
// "100", "9" gives "10").
QString plusOne(QString digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return QLatin1Char('1') + digits;
}

// Takes one from a number above zero, as significant digits.
QString minusOne(QString digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'0') {
            digits[i] = QChar(digits[i].unicode() - 1);
            break;
        }
        digits[i] = u'9';
    }
    return significant(digits);
}

QString withWidth(const QString& digits, qsizetype width) {
    return digits.size() >= width ? digits : QString(width - digits.size(), u'0') + digits;
}

}  // namespace

LabelParts SplitLabel(const QString& label) {
    const QString trimmed = label.trimmed();
    qsizetype start = trimmed.size();
    while (start > 0 && trimmed[start - 1].unicode() >= '0' && trimmed[start - 1].unicode() <= '9')
        --start;
    return {trimmed.left(start), trimmed.mid(start)};
}

QString FollowingLabel(const QString& label) {
    const LabelParts parts = SplitLabel(label);
    if (parts.digits.isEmpty())
        return {};
    return parts.prefix + plusOne(parts.digits);
}

QString NextLabelNumber(Connection& connection) {
    QString highest;
    LabelParts highestParts;
    connection.scan(LabelsAndTitles, {}, [&](const ScannedRow& row) {
        const QString label = row.text(0);
        const LabelParts parts = SplitLabel(label);
        if (parts.digits.isEmpty())
            return;
        if (highest.isEmpty() || lessNumber(highestParts.digits, parts.digits) ||
            (!lessNumber(parts.digits, highestParts.digits) && highest < label)) {
            highest = label;
            highestParts = parts;
        }
    });
    return highest.isEmpty() ? QString() : FollowingLabel(highest);
}

LabelCheck CheckLabelNumbers(Connection& connection) {
    QCollator byText;
    byText.setCaseSensitivity(Qt::CaseInsensitive);
    byText.setNumericMode(true);
    const auto textOrder = [&](const QString& a, const QString& b) {
        return byText.compare(a, b) < 0;
    };
    std::map<QString, QStringList, decltype(textOrder)> titlesByLabel(textOrder);
    connection.scan(LabelsAndTitles, {}, [&](const ScannedRow& row) {
        titlesByLabel[row.text(0).trimmed()].append(row.text(1));
    });

    LabelCheck check;
    // The numbers each prefix carries (prefixes compare ignoring case), with the prefix as first
    // written and the widest width, in which the missing labels are shown.
    struct Sequence {
        QString prefix;
        qsizetype width = 0;
        std::vector<QString> numbers;
    };
    std::map<QString, Sequence, decltype(textOrder)> sequences(textOrder);
    for (auto& [label, titles] : titlesByLabel) {
        if (titles.size() > 1) {
            std::sort(titles.begin(), titles.end(), textOrder);
            check.duplicates.push_back({label, titles});
        }
        const LabelParts parts = SplitLabel(label);
        if (parts.digits.isEmpty())
            continue;
        Sequence& sequence = sequences[parts.prefix.toCaseFolded()];
        if (sequence.numbers.empty())
            sequence.prefix = parts.prefix;
        sequence.width = std::max(sequence.width, parts.digits.size());
        sequence.numbers.push_back(significant(parts.digits));
    }
    for (auto& [folded, sequence] : sequences) {
        std::sort(sequence.numbers.begin(), sequence.numbers.end(), lessNumber);
        for (size_t i = 1; i < sequence.numbers.size(); ++i) {
            const QString expected = plusOne(sequence.numbers[i - 1]);
            if (!lessNumber(expected, sequence.numbers[i]))
                continue;  // no gap (or the same number written twice)
            const QString last = minusOne(sequence.numbers[i]);
            check.gaps.push_back({sequence.prefix + withWidth(expected, sequence.width),
                                  sequence.prefix + withWidth(last, sequence.width)});
        }
    }
    return check;
}

}  // namespace db
