#include "db/StartOver.h"

#include "db/Catalogue.h"
#include "db/DatabaseError.h"
#include "db/Upgrade.h"

#include <QCoreApplication>
#include <QFile>

namespace db {

void RemoveCatalogueFiles(const QString& path) {
    for (const QString& suffix :
         {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal"), QString()}) {
        QFile file(path + suffix);
        if (file.exists() && !file.remove())
            throw Error(
                QCoreApplication::translate("db::StartOver", "'%1' could not be deleted: %2")
                    .arg(file.fileName(), file.errorString()));
    }
}

void StartOver(Catalogue& catalogue, const CatalogueFileRemover& removeFiles) {
    const QString name = catalogue.name();
    try {
        catalogue.close();
        removeFiles(catalogue.filePath());
        catalogue.OpenDatabase(name);
        UpdateDatabase(catalogue.connection());
    } catch (const Error& error) {
        QString message =
            QCoreApplication::translate("db::StartOver", "The catalogue could not be reset.\n\n%1")
                .arg(error.message());
        if (!catalogue.isOpen()) {
            try {
                catalogue.OpenDatabase(name);
            } catch (const Error& reopenError) {
                message += QCoreApplication::translate(
                               "db::StartOver", "\n\nIt could not be opened again either: %1")
                               .arg(reopenError.message());
            }
        }
        throw Error(message);
    }
}

}  // namespace db
