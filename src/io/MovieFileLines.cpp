#include "io/MovieFileLines.h"

#include "io/MovieFileError.h"

#include <QFile>

namespace io {

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("'%1' could not be read.\n\n%2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(
            QStringLiteral("'%1' could not be read.\n\n%2").arg(path, file.errorString()));
    return bytes;
}

}  // namespace

MovieFileLines::MovieFileLines(const QString& path) : MovieFileLines(readAll(path)) {}

MovieFileLines::MovieFileLines(QByteArray bytes) : bytes_(std::move(bytes)) {
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    if (bytes_.startsWith(byteOrderMark))
        position_ = byteOrderMark.size();
    encoding_ = DetectEncoding(QByteArrayView(bytes_).sliced(position_));
}

QString MovieFileLines::next() {
    if (atEnd())
        return {};
    const char* data = bytes_.constData();
    const qsizetype size = bytes_.size();
    qsizetype end = position_;
    while (end < size && data[end] != '\n' && data[end] != '\r')
        ++end;
    const QString line = Decode(QByteArrayView(data + position_, end - position_), encoding_);
    position_ = end;
    if (end < size) {
        position_ = end + 1;
        if (data[end] == '\r' && position_ < size && data[position_] == '\n')
            ++position_;
    }
    ++lineNumber_;
    return line;
}

}  // namespace io
