#include "ui/tools/MaintenanceCommands.h"

#include "db/Catalogue.h"
#include "db/Repair.h"
#include "db/UnusedActors.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/tools/BackupFirst.h"

#include <QCoreApplication>
#include <QString>

namespace ui {

void RepairDataCommand(UserInterface& ui, db::Catalogue& catalogue, db::ProgressReporter& progress,
                       QWidget* parent, const std::function<void()>& populateLstMain) {
    if (ui.ask(parent, QCoreApplication::translate("ui::MaintenanceCommands", "Repair"),
               QCoreApplication::translate("ui::MaintenanceCommands", "Repair database?"),
               Buttons::YesNoCancel) != Answer::Yes)
        return;
    const std::optional<QString> backup = BackUpFirst(ui, catalogue, parent);
    if (!backup)
        return;
    int problems = 0;
    if (!RunCommand(ui, parent,
                    [&] { problems = db::RepairReferences(catalogue.connection(), progress); }))
        return;
    if (problems == 0) {
        ui.inform(parent, QCoreApplication::translate("ui::MaintenanceCommands", "Repair complete"),
                  QCoreApplication::translate("ui::MaintenanceCommands", "No problems found.") +
                      BackupNote(*backup),
                  Icon::Information);
        return;
    }
    if (populateLstMain)
        RunCommand(ui, parent, populateLstMain);
    ui.inform(parent, QCoreApplication::translate("ui::MaintenanceCommands", "Repair complete"),
              QCoreApplication::translate("ui::MaintenanceCommands", "%1 problems repaired.")
                      .arg(problems) +
                  BackupNote(*backup),
              Icon::Information);
}

void DeleteUnusedActorsCommand(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent) {
    if (ui.ask(parent, QCoreApplication::translate("ui::MaintenanceCommands", "Delete?"),
               QCoreApplication::translate("ui::MaintenanceCommands",
                                           "Delete all actors that are not currently used?"),
               Buttons::YesNoCancel) != Answer::Yes)
        return;
    int deleted = 0;
    if (!RunCommand(ui, parent, [&] { deleted = db::DeleteUnusedActors(catalogue.connection()); }))
        return;
    ui.inform(
        parent, QCoreApplication::translate("ui::MaintenanceCommands", "Done"),
        QCoreApplication::translate("ui::MaintenanceCommands", "%1 actors deleted.").arg(deleted),
        Icon::Information);
}

}  // namespace ui
