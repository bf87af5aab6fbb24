#include "ui/lists/CastList.h"

#include <QListWidget>
#include <algorithm>

namespace ui::lists {

QStringList ListWidgetCast::names() const {
    QStringList result;
    result.reserve(lstActors_.count());
    for (int row = 0; row < lstActors_.count(); ++row)
        result.append(lstActors_.item(row)->text());
    return result;
}

void ListWidgetCast::append(const QString& name) {
    lstActors_.addItem(name);
}

bool AddToCast(CastList& cast, const QString& name) {
    const QString wanted = name.trimmed();
    const QStringList present = cast.names();
    const bool there = std::any_of(present.begin(), present.end(), [&](const QString& entry) {
        return entry.trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
    });
    if (there)
        return false;
    cast.append(name);
    return true;
}

}  // namespace ui::lists
