#include "db/CatalogueFiles.h"

#include <QFileInfo>

namespace db {

namespace {

// The path as the file system knows it, links followed, even when the file itself does not
// exist yet.
QString resolved(const QString& path) {
    const QFileInfo file(path);
    if (const QString existing = file.canonicalFilePath(); !existing.isEmpty())
        return existing;
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? file.absolutePath() : folder) + u'/' + file.fileName();
}

}  // namespace

bool IsCatalogueFile(const QString& path, const QString& cataloguePath) {
    const QString catalogue = resolved(cataloguePath);
    const QString written = resolved(path);
    for (const QString& ending : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                  QStringLiteral("-journal"), QStringLiteral(".lock")})
        if (written == catalogue + ending)
            return true;
    return false;
}

}  // namespace db
