#include "db/FileCheck.h"

#include "db/DatabaseError.h"
#include "db/EngineWords.h"
#include "db/ReadOnlyOpening.h"

#include <sqlite3.h>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>

namespace db {

namespace {

QString reasonOf(sqlite3* file) {
    const QString words = EngineFailureInWords(sqlite3_errcode(file));
    return words.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(file)) : words;
}

}  // namespace

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
        // A disk that fails, or a file another program holds, is no damage of the file.
        if (result != SQLITE_CORRUPT && result != SQLITE_NOTADB)
            throw Error(
                QCoreApplication::translate("db::FileCheck", "'%1' could not be checked: %2")
                    .arg(path, reasonOf(file)));
        return {reason};
    }
    if (found == QStringList{QStringLiteral("ok")})
        return {};
    return found;
}

bool OnlyIndexesDamaged(const QStringList& problems) {
    static const QRegularExpression indexFinding(QStringLiteral(
        "^(row \\d+ missing from index|wrong # of entries in index|non-unique entry in index) "
        "\\S+$"));
    if (problems.isEmpty())
        return false;
    for (const QString& problem : problems)
        if (!indexFinding.match(problem).hasMatch())
            return false;
    return true;
}

}  // namespace db
