#pragma once

#include <QByteArray>
#include <QString>

namespace io {

// The SHA-256 of the file's bytes, read in chunks. Throws FileError when it cannot be read.
QByteArray FileDigest(const QString& path);

}  // namespace io
