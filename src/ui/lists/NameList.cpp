#include "ui/lists/NameList.h"

#include <QListWidget>

namespace ui::lists {

void ShowNames(QListWidget& lstData, const QStringList& names) {
    lstData.clear();
    lstData.addItems(names);
    if (lstData.count() > 0)
        lstData.setCurrentRow(0);
}

std::optional<QString> SelectedName(const QListWidget& lstData) {
    const QList<QListWidgetItem*> selected = lstData.selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.constFirst()->text();
}

}  // namespace ui::lists
