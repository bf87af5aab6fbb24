#include "db/Catalogue.h"

#include "db/CaseKeys.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Schema.h"
#include "db/Transaction.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace db {

namespace {

bool hasSqliteHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

Error notACatalogue(const QString& path) {
    return Error(QCoreApplication::translate(
                     "db::Catalogue", "'%1' is not a movie catalogue. It has been left as it is.")
                     .arg(QFileInfo(path).absoluteFilePath()));
}

// The file is left as it is, so that the user can still rescue it: the stock tool's .recover
// writes what can be read into a new catalogue, which then opens under its own name.
Error damagedCatalogue(const QString& path, const DatabaseError& error) {
    const QFileInfo file(path);
    const QString recovered =
        file.absolutePath() + u'/' + file.completeBaseName() + QStringLiteral("RECOVERED.db");
    return Error(QCoreApplication::translate(
                     "db::Catalogue",
                     "The catalogue '%1' is damaged (%2). It has been left as it is.\n\n"
                     "Put back a backup copy of it (the newest are kept in '%3'), or "
                     "save what can still be read with the sqlite3 tool:\n\n"
                     "sqlite3 '%1' .recover | sqlite3 '%4'\n\n"
                     "and then open the catalogue %5.")
                     .arg(file.absoluteFilePath(),
                          error.message().section(u'\n', 0, 0).section(QStringLiteral(": "), -1),
                          file.absolutePath() + QStringLiteral("/Backups"), recovered,
                          file.completeBaseName() + QStringLiteral("RECOVERED")));
}

// A catalogue written before titles and names kept their case folds gets their columns, in one
// transaction. The folds themselves, and those that other programs left out, are filled in by
// FillMissingCaseKeys: the window does it on the worker, the command line before its work.
void bringUpToDate(Connection& connection) {
    if (HasCaseKeys(connection))
        return;
    Transaction transaction(connection);
    AddEmptyCaseKeys(connection);
}

// A lock file beside the catalogue, <name>.db.lock. A lock left by a copy that has ended (a
// crash) is taken over; a running copy's lock is never taken, however old.
std::unique_ptr<QLockFile> lockCatalogue(const QString& path, const QString& name) {
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    qint64 process = 0;
    QString host, program;
    if (lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&process, &host, &program))
        throw CatalogueInUse(
            QCoreApplication::translate("db::Catalogue",
                                        "The catalogue '%1' is open in another copy of the program "
                                        "(process %2 on %3).  Close it there first.")
                .arg(name)
                .arg(process)
                .arg(host));
    throw Error(
        QCoreApplication::translate("db::Catalogue",
                                    "The catalogue '%1' could not be locked for this program: '%2' "
                                    "cannot be written.")
            .arg(name, lock->fileName()));
}

}  // namespace

Catalogue::Catalogue(QString folder) : folder_(std::move(folder)) {}

Catalogue::~Catalogue() = default;

QString Catalogue::FilePath(const QString& folder, const QString& name) {
    return folder + QStringLiteral("/") + name + QStringLiteral(".db");
}

void Catalogue::OpenDatabase(const QString& name, Sharing sharing) {
    close();
    if (sharing == Sharing::Exclusive && !(lock_ && lockedName_ == name)) {
        lock_.reset();
        lock_ = lockCatalogue(FilePath(folder_, name), name);
        lockedName_ = name;
    }
    name_ = name;
    const QString path = filePath();
    const bool readOnly = sharing == Sharing::ReadOnly;
    if (!QFileInfo::exists(path)) {
        if (readOnly)
            throw Error(
                QCoreApplication::translate("db::Catalogue", "There is no catalogue '%1' (%2).")
                    .arg(name, path));
        CreateDatabase(path);
    }
    if (!hasSqliteHeader(path))
        throw notACatalogue(path);
    auto connection = Connection::open(
        path, readOnly ? Connection::Access::ReadOnly : Connection::Access::ReadWrite);
    try {
        if (!connection->hasTable(QStringLiteral("Version")))
            throw notACatalogue(path);
    } catch (const DatabaseError& error) {
        if (error.damaged())
            throw damagedCatalogue(path, error);
        throw notACatalogue(path);
    }
    if (readOnly) {
        connection_ = std::move(connection);
        return;
    }
    connection->query(QStringLiteral("PRAGMA journal_mode = WAL"));
    try {
        bringUpToDate(*connection);
    } catch (const DatabaseError& error) {
        if (error.damaged())
            throw damagedCatalogue(path, error);
        throw;
    }
    connection_ = std::move(connection);
}

void Catalogue::close() {
    connection_.reset();
}

Connection& Catalogue::connection() {
    if (!connection_)
        throw Error(QCoreApplication::translate("db::Catalogue", "No catalogue is open."));
    return *connection_;
}

}  // namespace db
