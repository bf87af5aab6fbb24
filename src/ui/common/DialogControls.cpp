#include "ui/common/DialogControls.h"

#include <QPushButton>
#include <QTreeView>

namespace ui {

QPushButton* CommandButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(name);
    created->setAutoDefault(false);
    return created;
}

QTreeView* RowList(QWidget* parent, const QString& name, QAbstractItemModel* model) {
    auto* view = new QTreeView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}

}  // namespace ui
