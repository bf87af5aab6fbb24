#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class QIODevice;

namespace io {

// A line longer than this, in bytes, cannot be a movie line: even a long cast fits many times.
inline constexpr qsizetype MaximumLineBytes = 1 << 20;

// The lines of a movie file, read as a stream, so that a file picked by mistake (a video of some
// gigabytes) is not read into memory. Lines may end in CR LF, LF or CR alone; a line end after
// the last line does not start another. A UTF-8 byte-order mark is not part of the first line.
// Each line is decoded on its own: a line that is valid UTF-8 is UTF-8, any other is
// Windows-1252, so one line from another program does not garble the rest.
class MovieFileLines {
public:
    // Opens the file; throws FileError when it cannot be read.
    explicit MovieFileLines(const QString& path);
    // For files already in memory.
    explicit MovieFileLines(QByteArray bytes);
    ~MovieFileLines();
    MovieFileLines(const MovieFileLines&) = delete;
    MovieFileLines& operator=(const MovieFileLines&) = delete;

    bool atEnd();
    // The next line without its line end; empty at the end, and for a line longer than
    // MaximumLineBytes, which is not kept and not read to its end until a later line is asked
    // for.
    QString next();
    // The number of the line next() returned last, counting from 1.
    int lineNumber() const { return lineNumber_; }
    // Whether that line was longer than MaximumLineBytes.
    bool lastLineTooLong() const { return lastLineTooLong_; }
    // How many of the lines so far were read as Windows-1252, and the numbers of the first few.
    int windows1252Lines() const { return windows1252Lines_; }
    const QList<int>& firstWindows1252Lines() const { return firstWindows1252Lines_; }
    static constexpr int Windows1252LinesListed = 10;
    // Keeps the digest (FileDigest's) of the bytes read from here on; before the first line, of
    // the whole file as it was read. Off by default: an import need not pay for it.
    void keepDigest() { hash_.emplace(QCryptographicHash::Sha256); }
    QByteArray digest() const { return hash_ ? hash_->result() : QByteArray(); }

private:
    bool readMore();
    void skipRestOfLine();
    void stepOverLineEnd();
    [[noreturn]] void failToRead() const;

    QString path_;
    std::unique_ptr<QIODevice> device_;
    QByteArray buffer_;
    qsizetype position_ = 0;
    bool started_ = false;
    bool skipping_ = false;
    int lineNumber_ = 0;
    bool lastLineTooLong_ = false;
    int windows1252Lines_ = 0;
    QList<int> firstWindows1252Lines_;
    std::optional<QCryptographicHash> hash_;
};

}  // namespace io
