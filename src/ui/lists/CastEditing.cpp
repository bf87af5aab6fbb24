#include "ui/lists/CastEditing.h"

#include "ui/common/UserInterface.h"
#include "ui/lists/SelectActorDialog.h"

#include <QCoreApplication>
#include <QListWidget>

namespace ui::lists {

void AddActor(UserInterface& ui, db::Connection& connection, settings::Settings& settings,
              CastList& cast, const std::function<void()>& markChanged, QWidget* parent) {
    markChanged();
    SelectActorDialog frmSelectActor(ui, connection, settings, cast, parent);
    ui.runModal(frmSelectActor);
}

void RemoveActor(UserInterface& ui, QListWidget& lstActors,
                 const std::function<void()>& markChanged, QWidget* parent) {
    markChanged();
    const QList<QListWidgetItem*> selected = lstActors.selectedItems();
    if (selected.isEmpty()) {
        ui.inform(parent, QCoreApplication::translate("ui::CastEditing", "Information"),
                  QCoreApplication::translate("ui::CastEditing", "Click on an actor to remove."),
                  Icon::Information);
        return;
    }
    delete lstActors.takeItem(lstActors.row(selected.constFirst()));
}

}  // namespace ui::lists
