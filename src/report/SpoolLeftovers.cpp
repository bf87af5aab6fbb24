#include "report/SpoolLeftovers.h"

#include "db/RunningCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace report {

namespace {

// Every file some process has open, as /proc shows them: those of this user's processes,
// which are the only ones that can write this user's catalogue folder.
QSet<QString> openFiles() {
    QSet<QString> files;
    const QDir processes(QStringLiteral("/proc"));
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    for (const QString& process : processes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!number.match(process).hasMatch())
            continue;
        const QDir handles(processes.filePath(process) + QStringLiteral("/fd"));
        for (const QFileInfo& handle : handles.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
            files.insert(handle.symLinkTarget());
    }
    return files;
}

}  // namespace

void RemoveLeftoverSpoolFiles(const QString& catalogueFolder) {
    if (db::AnotherCopyIsRunning(catalogueFolder))
        return;
    const QDir spool(catalogueFolder + QStringLiteral("/Temp"));
    // The spool writer's names: the seconds of the day, eight digits, and ".tmp".
    static const QRegularExpression spoolName(QStringLiteral("^\\d{8}\\.tmp$"));
    QStringList leftovers;
    for (const QFileInfo& file : spool.entryInfoList(QDir::Files | QDir::Hidden))
        if (!file.isSymLink() && spoolName.match(file.fileName()).hasMatch())
            leftovers.append(file.canonicalFilePath());
    if (leftovers.isEmpty())
        return;
    const QSet<QString> inUse = openFiles();
    for (const QString& file : leftovers)
        if (!inUse.contains(file))
            QFile::remove(file);
}

}  // namespace report
