#include "db/RunningCopies.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

namespace db {

bool AnotherCopyIsRunning(const QString& folder) {
    const QDir catalogues(folder);
    for (const QString& name : catalogues.entryList({QStringLiteral("*.db.lock")}, QDir::Files)) {
        QLockFile lock(catalogues.filePath(name));
        qint64 process = 0;
        QString host, program;
        if (!lock.getLockInfo(&process, &host, &program))
            continue;  // gone, or not a lock of ours
        if (process == QCoreApplication::applicationPid())
            continue;
        // A copy that has ended leaves its lock taken over at once; a running one keeps it.
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            return true;
        lock.unlock();
    }
    return false;
}

}  // namespace db
