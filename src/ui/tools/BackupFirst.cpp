#include "ui/tools/BackupFirst.h"

#include "db/Backup.h"
#include "db/DatabaseError.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"

#include <QDir>
#include <QPointer>
#include <memory>

namespace ui {

std::optional<QString> BackUpFirst(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent) {
    try {
        return db::BackupBeforeChange(catalogue);
    } catch (const db::Error& error) {
        ui.inform(parent, QStringLiteral("Error"),
                  QStringLiteral("%1\n\nNothing has been changed.").arg(error.message()),
                  Icon::Error);
        return std::nullopt;
    }
}

void BackUpThen(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                std::function<void(const QString& backup)> then) {
    auto backup = std::make_shared<QString>();
    BackgroundWork::start(
        parent, QStringLiteral("Making a backup"),
        [&catalogue, backup](WorkProgress&) { *backup = db::BackupBeforeChange(catalogue); },
        [&ui, parent = QPointer<QWidget>(parent), backup,
         then = std::move(then)](std::exception_ptr failure) {
            try {
                if (failure)
                    std::rethrow_exception(failure);
            } catch (const db::Error& error) {
                ui.inform(parent, QStringLiteral("Error"),
                          QStringLiteral("%1\n\nNothing has been changed.").arg(error.message()),
                          Icon::Error);
                return;
            } catch (const std::exception& error) {
                ReportError(ui, parent, error);
                return;
            }
            then(*backup);
        });
}

QString BackupNote(const QString& backup) {
    return QStringLiteral("\n\nThe catalogue as it was before is kept in '%1'.")
        .arg(QDir::toNativeSeparators(backup));
}

}  // namespace ui
