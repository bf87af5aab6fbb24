#include "ui/common/GroupedNumber.h"

#include <QLocale>

namespace ui {

QString GroupedNumber(qint64 number) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(number);
}

}  // namespace ui
