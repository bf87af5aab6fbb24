#pragma once

#include <QString>

namespace ui {

// A count with the digit grouping of the user's locale and no decimals: 1234 reads 1,234 in
// English. Grouping is kept even where the locale would leave it out by default (the C locale).
QString GroupedNumber(qint64 number);

}  // namespace ui
