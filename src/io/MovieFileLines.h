#pragma once

#include "io/TextDecoding.h"

#include <QByteArray>
#include <QString>

namespace io {

// The lines of a movie file, decoded. Lines may end in CR LF, LF or CR alone; a line end after
// the last line does not start another. A UTF-8 byte-order mark is not part of the first line.
class MovieFileLines {
public:
    // Reads the whole file; throws FileError when it cannot be read.
    explicit MovieFileLines(const QString& path);
    // For files already in memory.
    explicit MovieFileLines(QByteArray bytes);

    bool atEnd() const { return position_ >= bytes_.size(); }
    // The next line without its line end; empty at the end.
    QString next();
    // The number of the line next() returned last, counting from 1.
    int lineNumber() const { return lineNumber_; }
    FileEncoding encoding() const { return encoding_; }

private:
    QByteArray bytes_;
    qsizetype position_ = 0;
    int lineNumber_ = 0;
    FileEncoding encoding_ = FileEncoding::Utf8;
};

}  // namespace io
