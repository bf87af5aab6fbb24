#include "db/ReadOnlyOpening.h"

#include "db/DatabaseError.h"

#include <sqlite3.h>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace db {

namespace {

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

sqlite3* OpenForReading(const QString& path) {
    sqlite3* connection = nullptr;
    int result = tryOpen(QFile::encodeName(path), SQLITE_OPEN_READONLY, &connection);
    if ((result & 0xFF) == SQLITE_CANTOPEN && MayReadAsUnchanging(path)) {
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
        throw Error(QStringLiteral("'%1' could not be read: %2").arg(path, reason));
    }
    return connection;
}

}  // namespace db
