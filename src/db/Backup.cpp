#include "db/Backup.h"

#include "db/Catalogue.h"
#include "db/DatabaseError.h"
#include "db/EngineWords.h"

#include <sqlite3.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>

namespace db {

namespace {

QString errorOf(sqlite3* connection) {
    const QString words =
        EngineFailureInWords(connection ? sqlite3_errcode(connection) : SQLITE_NOMEM);
    return !words.isEmpty() ? words : QString::fromUtf8(sqlite3_errmsg(connection));
}

sqlite3* openFile(const QString& path, int flags) {
    sqlite3* connection = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &connection, flags, nullptr) !=
        SQLITE_OK) {
        const QString reason = errorOf(connection);
        sqlite3_close(connection);
        throw Error(QStringLiteral("'%1' could not be opened: %2").arg(path, reason));
    }
    sqlite3_busy_timeout(connection, 5000);
    return connection;
}

// Copies every page in one step: the source is read in one transaction, so the copy is of one
// moment even while others write.
void copyPages(sqlite3* source, sqlite3* target) {
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    if (backup == nullptr)
        throw Error(errorOf(target));
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK)
        throw Error(errorOf(target));
    // The copy takes the source's WAL mode; a backup is better as one file.
    char* message = nullptr;
    if (sqlite3_exec(target, "PRAGMA journal_mode = DELETE", nullptr, nullptr, &message) !=
        SQLITE_OK) {
        const QString reason = QString::fromUtf8(message ? message : "");
        sqlite3_free(message);
        throw Error(reason);
    }
}

QString unusedName(const QDir& folder, const QString& stem) {
    QString name = stem + QStringLiteral(".db");
    for (int number = 2; folder.exists(name); ++number)
        name = QStringLiteral("%1-%2.db").arg(stem).arg(number);
    return folder.filePath(name);
}

void keepNewest(const QDir& folder, const QString& catalogueName) {
    const QFileInfoList backups =
        folder.entryInfoList({catalogueName + QStringLiteral("-*.db")}, QDir::Files, QDir::Time);
    for (qsizetype index = BackupsKept; index < backups.size(); ++index)
        QFile::remove(backups[index].filePath());
}

}  // namespace

void BackupCatalogue(const QString& path, const QString& destination) {
    if (!QFile::exists(path))
        throw Error(QStringLiteral("'%1' does not exist.").arg(path));
    const QString part = destination + QStringLiteral(".part");
    QFile::remove(part);
    auto removePart = qScopeGuard([&] { QFile::remove(part); });
    try {
        sqlite3* source = openFile(path, SQLITE_OPEN_READWRITE);
        const auto closeSource = qScopeGuard([source] { sqlite3_close(source); });
        sqlite3* target = openFile(part, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        const auto closeTarget = qScopeGuard([target] { sqlite3_close(target); });
        copyPages(source, target);
    } catch (const Error& error) {
        throw Error(QStringLiteral("The backup '%1' could not be written: %2")
                        .arg(destination, error.message()));
    }
    if (QFile::exists(destination) && !QFile::remove(destination))
        throw Error(
            QStringLiteral("The backup '%1' could not replace the file there.").arg(destination));
    if (!QFile::rename(part, destination))
        throw Error(QStringLiteral("The backup '%1' could not be written.").arg(destination));
    removePart.dismiss();
}

QString BackupBeforeChange(const Catalogue& catalogue) {
    const QDir folder(catalogue.folder() + QStringLiteral("/Backups"));
    if (!folder.mkpath(QStringLiteral(".")))
        throw Error(QStringLiteral("The backup folder '%1' could not be made.").arg(folder.path()));
    const QString stem = catalogue.name() +
                         QDateTime::currentDateTime().toString(QStringLiteral("-yyyyMMdd-HHmmss"));
    const QString destination = unusedName(folder, stem);
    BackupCatalogue(catalogue.filePath(), destination);
    keepNewest(folder, catalogue.name());
    return destination;
}

}  // namespace db
