#include "ui/tools/BackupFirst.h"

#include "db/Backup.h"
#include "db/DatabaseError.h"
#include "ui/common/UserInterface.h"

#include <QCoreApplication>
#include <QDir>

namespace ui {

std::optional<QString> BackUpFirst(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent) {
    try {
        return db::BackupBeforeChange(catalogue);
    } catch (const db::Error& error) {
        ui.inform(parent, QCoreApplication::translate("ui::BackupFirst", "Error"),
                  QCoreApplication::translate("ui::BackupFirst", "%1\n\nNothing has been changed.")
                      .arg(error.message()),
                  Icon::Error);
        return std::nullopt;
    }
}

QString BackupNote(const QString& backup) {
    return QCoreApplication::translate("ui::BackupFirst",
                                       "\n\nThe catalogue as it was before is kept in '%1'.")
        .arg(QDir::toNativeSeparators(backup));
}

}  // namespace ui
