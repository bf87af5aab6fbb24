#pragma once

#include <QByteArrayView>
#include <QString>

namespace io {

// Movie files come from this program (UTF-8) or from Windows programs (Windows-1252). A text
// that is valid UTF-8 is read as UTF-8, any other as Windows-1252: that code page gives every
// byte a character, so nothing is lost or refused.
enum class FileEncoding { Utf8, Windows1252 };

FileEncoding DetectEncoding(QByteArrayView bytes);
bool IsValidUtf8(QByteArrayView bytes);
QString DecodeWindows1252(QByteArrayView bytes);
QString Decode(QByteArrayView bytes, FileEncoding encoding);

}  // namespace io
