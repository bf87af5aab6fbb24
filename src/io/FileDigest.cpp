#include "io/FileDigest.h"

#include "io/MovieFileError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

namespace io {

QByteArray FileDigest(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        throw FileError(
            QCoreApplication::translate("io::FileDigest", "'%1' could not be read.\n\n%2")
                .arg(path, file.errorString()));
    return hash.result();
}

}  // namespace io
