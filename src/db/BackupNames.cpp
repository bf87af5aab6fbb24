#include "db/BackupNames.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace db {

namespace {

const QString StampFormat = QStringLiteral("yyyyMMdd-HHmmss");

// The names written beside a backup until it is complete.
const QStringList UnfinishedEndings = {QStringLiteral(".part"), QStringLiteral(".part-journal"),
                                       QStringLiteral(".part-wal"), QStringLiteral(".part-shm")};

struct Found {
    BackupName name;
    QString file;
};

// Only plain files are ever removed: a folder or a link of such a name was put there by hand.
bool isPlainFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

// Every entry in folder whose name, less ending, is one of the catalogue's backup names.
QList<Found> backupsIn(const QDir& folder, const QString& catalogueName, const QString& ending) {
    QList<Found> found;
    const QStringList files = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& file : files) {
        if (!file.endsWith(ending))
            continue;
        const QString name = file.chopped(ending.size());
        if (const std::optional<BackupName> parsed = BackupName::Parse(catalogueName, name))
            found.append({*parsed, folder.filePath(file)});
    }
    return found;
}

}  // namespace

QString BackupName::fileName(const QString& catalogueName) const {
    const QString suffix = number > 1 ? QStringLiteral("-%1").arg(number) : QString();
    return QStringLiteral("%1-%2%3.db").arg(catalogueName, stamp, suffix);
}

std::optional<BackupName> BackupName::Parse(const QString& catalogueName, const QString& fileName) {
    static const QRegularExpression shape(
        QStringLiteral("^-(\\d{8}-\\d{6})(?:-([1-9]\\d{0,8}))?\\.db$"));
    if (!fileName.startsWith(catalogueName))
        return std::nullopt;
    const QRegularExpressionMatch match = shape.match(fileName.mid(catalogueName.size()));
    if (!match.hasMatch())
        return std::nullopt;
    BackupName name{match.captured(1), match.hasCaptured(2) ? match.captured(2).toInt() : 1};
    // "-1" is never written: the first of a second has no number.
    if (match.hasCaptured(2) && name.number < 2)
        return std::nullopt;
    if (!QDateTime::fromString(name.stamp, StampFormat).isValid())
        return std::nullopt;
    return name;
}

BackupName NextBackupName(const QDir& folder, const QString& catalogueName, const QDateTime& now) {
    BackupName next{now.toString(StampFormat), 1};
    QList<Found> taken = backupsIn(folder, catalogueName, QString());
    for (const QString& ending : UnfinishedEndings)
        taken += backupsIn(folder, catalogueName, ending);
    for (const Found& each : taken)
        if (each.name.stamp == next.stamp)
            next.number = std::max(next.number, each.name.number + 1);
    // A file of that name that is no backup of ours (a folder, say) is stepped over too.
    while (folder.exists(next.fileName(catalogueName)))
        ++next.number;
    return next;
}

QStringList BackupsBeyond(const QDir& folder, const QString& catalogueName, int kept,
                          const BackupName& justWritten) {
    QList<Found> backups = backupsIn(folder, catalogueName, QString());
    backups.removeIf([](const Found& each) { return !isPlainFile(each.file); });
    std::sort(backups.begin(), backups.end(),
              [](const Found& a, const Found& b) { return b.name < a.name; });
    QStringList beyond;
    int keeping = 0;
    for (const Found& each : backups) {
        const bool isJustWritten = !(each.name < justWritten) && !(justWritten < each.name);
        if (isJustWritten)
            continue;
        // The one just written counts among those kept, wherever its time puts it.
        if (keeping < kept - 1)
            ++keeping;
        else
            beyond.prepend(each.file);
    }
    return beyond;
}

QStringList UnfinishedBackups(const QDir& folder, const QString& catalogueName) {
    QStringList files;
    for (const QString& ending : UnfinishedEndings)
        for (const Found& each : backupsIn(folder, catalogueName, ending))
            if (isPlainFile(each.file))
                files.append(each.file);
    return files;
}

}  // namespace db
