#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace db {

class Connection;

// A label number split at the digits that end it: "L000123" is "L" and "000123".
struct LabelParts {
    QString prefix;
    QString digits;  // empty when the label does not end in a digit
};
LabelParts SplitLabel(const QString& label);

// The label after this one in its sequence: the number plus one, zero-padded to the same width
// ("L000123" gives "L000124", "A-9" gives "A-10", "12" gives "13"). Empty for a label that does
// not end in a digit.
QString FollowingLabel(const QString& label);

// What Add Movie proposes: the label that follows the one with the highest number at its end.
// Empty when no label ends in a digit.
QString NextLabelNumber(Connection& connection);

struct LabelCheck {
    struct Duplicate {
        QString label;
        QStringList titles;  // in title order
    };
    struct Gap {
        QString first;  // the first and last missing labels; equal for one missing label
        QString last;
    };
    std::vector<Duplicate> duplicates;  // in label order
    std::vector<Gap> gaps;              // by prefix, then number
};

// Labels that more than one movie carries, and the numbers missing between the lowest and the
// highest of each prefix's sequence. Labels compare ignoring case and surrounding blanks.
LabelCheck CheckLabelNumbers(Connection& connection);

}  // namespace db
