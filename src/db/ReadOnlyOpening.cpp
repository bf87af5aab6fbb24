#include "db/ReadOnlyOpening.h"

#include "db/DatabaseError.h"

#include <sqlite3.h>
#include <sys/statvfs.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace db {

namespace {

// Room for the engine's shared-memory file and its journal's start, with some to spare.
constexpr unsigned long long FreeSpaceNeeded = 1024 * 1024;

// Opens and reads the schema, which is where a missing shared-memory file shows.
int tryOpen(const QByteArray& name, int flags, sqlite3** connection) {
    int result = sqlite3_open_v2(name.constData(), connection, flags, nullptr);
    if (result == SQLITE_OK) {
        sqlite3_busy_timeout(*connection, 5000);
        result = sqlite3_exec(*connection, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr,
                              nullptr);
    }
    return result;
}

}  // namespace

QByteArray UnchangingUri(const QString& path) {
    return "file:" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/") +
           "?immutable=1";
}

bool MayReadAsUnchanging(const QString& path) {
    const QFileInfo journal(path + QStringLiteral("-wal"));
    return !journal.exists() || journal.size() == 0;
}

bool HasRoomToWrite(const QString& folder) {
    struct statvfs disk {};
    if (statvfs(QFile::encodeName(folder).constData(), &disk) != 0)
        return false;
    const unsigned long long free = static_cast<unsigned long long>(disk.f_bavail) * disk.f_frsize;
    return (disk.f_flag & ST_RDONLY) == 0 && QFileInfo(folder).isWritable() &&
           free >= FreeSpaceNeeded;
}

bool ReadAsUnchanging(const QString& path) {
    if (QFileInfo::exists(path + QStringLiteral("-wal")) ||
        QFileInfo::exists(path + QStringLiteral("-shm")))
        return false;  // another connection has the file open: its files are there to share
    // A shared-memory file started on a full disk stays behind cut short, and then stops
    // every other program from reading the catalogue.
    return !HasRoomToWrite(QFileInfo(path).absolutePath());
}

sqlite3* OpenForReading(const QString& path) {
    sqlite3* connection = nullptr;
    const bool unchanging = ReadAsUnchanging(path);
    int result = unchanging ? tryOpen(UnchangingUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                                      &connection)
                            : tryOpen(QFile::encodeName(path), SQLITE_OPEN_READONLY, &connection);
    if (!unchanging && (result & 0xFF) == SQLITE_CANTOPEN && MayReadAsUnchanging(path)) {
        sqlite3_close(connection);
        connection = nullptr;
        result = tryOpen(UnchangingUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, &connection);
    }
    // Other faults (a damaged page) are the caller's to meet on its first statement.
    if ((result & 0xFF) != SQLITE_CANTOPEN && connection != nullptr)
        return connection;
    if (result != SQLITE_OK) {
        const QString reason =
            QString::fromUtf8(connection ? sqlite3_errmsg(connection) : sqlite3_errstr(result));
        sqlite3_close(connection);
        throw Error(QCoreApplication::translate("db::ReadOnlyOpening", "'%1' could not be read: %2")
                        .arg(path, reason));
    }
    return connection;
}

}  // namespace db
