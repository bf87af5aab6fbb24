#include "ui/tools/MaintenanceCommands.h"

#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/Repair.h"
#include "db/UnusedActors.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/tools/BackupFirst.h"

#include <QPointer>
#include <QString>
#include <memory>

namespace ui {

void RepairDataCommand(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                       std::function<void()> populateLstMain) {
    if (ui.ask(parent, QStringLiteral("Repair"), QStringLiteral("Repair database?"),
               Buttons::YesNoCancel) != Answer::Yes)
        return;
    const QString path = catalogue.filePath();
    BackUpThen(
        ui, catalogue, parent,
        [&ui, path, parent = QPointer<QWidget>(parent), populateLstMain](const QString& backup) {
            auto problems = std::make_shared<int>(0);
            BackgroundWork::start(
                parent, QStringLiteral("Check database"),
                [path, problems](WorkProgress& progress) {
                    const auto connection = db::Connection::open(path);
                    *problems = db::RepairReferences(*connection, progress);
                },
                [&ui, parent, populateLstMain, problems, backup](std::exception_ptr failure) {
                    if (failure) {
                        RunCommand(ui, parent, [failure] { std::rethrow_exception(failure); });
                        return;
                    }
                    if (*problems == 0) {
                        ui.inform(parent, QStringLiteral("Repair complete"),
                                  QStringLiteral("No problems found.") + BackupNote(backup),
                                  Icon::Information);
                        return;
                    }
                    if (populateLstMain)
                        RunCommand(ui, parent, populateLstMain);
                    ui.inform(
                        parent, QStringLiteral("Repair complete"),
                        QStringLiteral("%1 problems repaired.").arg(*problems) + BackupNote(backup),
                        Icon::Information);
                });
        });
}

void DeleteUnusedActorsCommand(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent) {
    if (ui.ask(parent, QStringLiteral("Delete?"),
               QStringLiteral("Delete all actors that are not currently used?"),
               Buttons::YesNoCancel) != Answer::Yes)
        return;
    auto deleted = std::make_shared<int>(0);
    const QString path = catalogue.filePath();
    BackgroundWork::start(
        parent, QStringLiteral("Deleting unused actors"),
        [path, deleted](WorkProgress&) {
            const auto connection = db::Connection::open(path);
            *deleted = db::DeleteUnusedActors(*connection);
        },
        [&ui, parent = QPointer<QWidget>(parent), deleted](std::exception_ptr failure) {
            if (failure) {
                RunCommand(ui, parent, [failure] { std::rethrow_exception(failure); });
                return;
            }
            ui.inform(parent, QStringLiteral("Done"),
                      QStringLiteral("%1 actors deleted.").arg(*deleted), Icon::Information);
        });
}

}  // namespace ui
