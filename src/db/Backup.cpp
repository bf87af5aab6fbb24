#include "db/Backup.h"

#include "db/BackupNames.h"
#include "db/Catalogue.h"
#include "db/CatalogueFiles.h"
#include "db/DatabaseError.h"
#include "db/EngineWords.h"
#include "db/ReadOnlyOpening.h"

#include <sqlite3.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <cstdio>

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
        throw Error(QCoreApplication::translate("db::Backup", "'%1' could not be opened: %2")
                        .arg(path, reason));
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

// A backup replaces only a regular file, and never the catalogue or the engine's files beside
// it, which the open window or another copy is using.
void checkDestination(const QString& path, const QString& destination) {
    const QFileInfo target(destination);
    if (target.isSymLink())
        throw Error(QCoreApplication::translate(
                        "db::Backup", "'%1' is a link; a backup does not replace it. Name a file.")
                        .arg(destination));
    if (target.exists() && !target.isFile())
        throw Error(
            QCoreApplication::translate("db::Backup",
                                        "'%1' is not a file; a backup does not replace it. Name a "
                                        "file.")
                .arg(destination));
    if (IsCatalogueFile(destination, path))
        throw Error(QCoreApplication::translate(
                        "db::Backup",
                        "'%1' is the catalogue's own file; a backup cannot replace it. "
                        "Name another file.")
                        .arg(destination));
}

void removeUnfinished(const QString& part) {
    for (const QString& ending :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(part + ending);
}

}  // namespace

void BackupCatalogue(const QString& path, const QString& destination) {
    if (!QFile::exists(path))
        throw Error(QCoreApplication::translate("db::Backup", "'%1' does not exist.").arg(path));
    checkDestination(path, destination);
    const QString part = destination + QStringLiteral(".part");
    removeUnfinished(part);
    auto removePart = qScopeGuard([&] { removeUnfinished(part); });
    try {
        sqlite3* source = OpenForReading(path);
        const auto closeSource = qScopeGuard([source] { sqlite3_close(source); });
        sqlite3* target = openFile(part, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        const auto closeTarget = qScopeGuard([target] { sqlite3_close(target); });
        copyPages(source, target);
    } catch (const Error& error) {
        throw Error(
            QCoreApplication::translate("db::Backup", "The backup '%1' could not be written: %2")
                .arg(destination, error.message()));
    }
    // In one step: the file there stays whole until the copy takes its place.
    if (std::rename(QFile::encodeName(part).constData(),
                    QFile::encodeName(destination).constData()) != 0)
        throw Error(
            QCoreApplication::translate("db::Backup", "The backup '%1' could not be written.")
                .arg(destination));
    removePart.dismiss();
}

void RemoveUnfinishedBackups(const Catalogue& catalogue) {
    const QDir folder(catalogue.folder() + QStringLiteral("/Backups"));
    for (const QString& file : UnfinishedBackups(folder, catalogue.name()))
        QFile::remove(file);
}

QString BackupBeforeChange(const Catalogue& catalogue) {
    const QDir folder(catalogue.folder() + QStringLiteral("/Backups"));
    if (!folder.mkpath(QStringLiteral(".")))
        throw Error(
            QCoreApplication::translate("db::Backup", "The backup folder '%1' could not be made.")
                .arg(folder.path()));
    RemoveUnfinishedBackups(catalogue);
    const BackupName name = NextBackupName(folder, catalogue.name(), QDateTime::currentDateTime());
    const QString destination = folder.filePath(name.fileName(catalogue.name()));
    BackupCatalogue(catalogue.filePath(), destination);
    for (const QString& old : BackupsBeyond(folder, catalogue.name(), BackupsKept, name))
        QFile::remove(old);
    return destination;
}

}  // namespace db
