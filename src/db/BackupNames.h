#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class QDir;

namespace db {

// The name of a backup the program writes before a change: <NAME>-<yyyyMMdd-HHmmss>.db, and
// <NAME>-<yyyyMMdd-HHmmss>-<N>.db for the Nth of one second. Files of any other name in the
// Backups folder are the user's own and are never touched.
struct BackupName {
    QString stamp;   // yyyyMMdd-HHmmss
    int number = 1;  // 1 for the name without a number

    // Made in this order: by the time in the name, then by the number.
    bool operator<(const BackupName& other) const {
        return stamp != other.stamp ? stamp < other.stamp : number < other.number;
    }
    QString fileName(const QString& catalogueName) const;

    // The backup name that fileName is for the catalogue, or nothing.
    static std::optional<BackupName> Parse(const QString& catalogueName, const QString& fileName);
};

// A name for a new backup made at now, after every backup of the catalogue in folder made in
// that second and every unfinished one (.part), so that no name a message has reported is given
// to another backup while that backup is kept.
BackupName NextBackupName(const QDir& folder, const QString& catalogueName, const QDateTime& now);

// The catalogue's backups in folder beyond the newest kept, oldest first, by the names'
// times; the one just written is never among them.
QStringList BackupsBeyond(const QDir& folder, const QString& catalogueName, int kept,
                          const BackupName& justWritten);

// What a backup that was killed or failed left in folder for the catalogue: its .part file and
// the engine's journal beside it.
QStringList UnfinishedBackups(const QDir& folder, const QString& catalogueName);

}  // namespace db
