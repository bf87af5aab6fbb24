#include "db/FileCheck.h"

#include "db/DatabaseError.h"
#include "db/ReadOnlyOpening.h"

#include <sqlite3.h>
#include <QFile>
#include <QScopeGuard>

namespace db {

QStringList IntegrityProblems(const QString& path) {
    sqlite3* file = OpenForReading(path);
    const auto close = qScopeGuard([&file] { sqlite3_close(file); });
    QStringList found;
    char* message = nullptr;
    const int result = sqlite3_exec(
        file, "PRAGMA integrity_check(100)",
        [](void* lines, int, char** values, char**) {
            static_cast<QStringList*>(lines)->append(QString::fromUtf8(values[0]));
            return 0;
        },
        &found, &message);
    if (result != SQLITE_OK) {
        const QString reason = QString::fromUtf8(message ? message : sqlite3_errstr(result));
        sqlite3_free(message);
        return {reason};
    }
    if (found == QStringList{QStringLiteral("ok")})
        return {};
    return found;
}

}  // namespace db
