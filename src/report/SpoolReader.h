#pragma once

#include "report/Scrambler.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <optional>

namespace report {

// What the header block of a spool file says.
struct SpoolHeader {
    int version = 0;
    int orientation = 0;
    int paperSize = 0;
    QString reportName;
    QString createdBy;
    QString createDate;
    QString createTime;
    QString note;
};

// The lines of a spool file from a byte position on: unscrambled, without their line ends. A
// line longer than any report writes is cut, and the rest of it skipped. The file is open
// while the cursor lives.
class SpoolLines {
public:
    // position is 1-based, as the page index counts.
    SpoolLines(const QString& path, qint64 position, const Scrambler& scrambler);

    // False at the end of the file.
    bool next(QByteArray& line);
    // The next line as text.
    QString nextText();
    // Gives a line read too far back: the next call of next() returns it again. For a command
    // whose argument lines are missing, so that the command after it is not lost.
    void putBack(QByteArray line) { putBack_ = std::move(line); }
    // The 1-based position of the next byte to be read.
    qint64 position() const { return chunkStart_ + at_ + 1; }

private:
    bool fill();

    QFile file_;
    const Scrambler& scrambler_;
    std::optional<QByteArray> putBack_;
    QByteArray chunk_;
    qint64 chunkStart_ = 0;
    qsizetype at_ = 0;
};

// Reads a spool file as the preview and printing do. Each step opens the file anew. A damaged
// file never fails here: what cannot be read is skipped, and a missing or broken page index is
// rebuilt from the page breaks.
class SpoolReader {
public:
    explicit SpoolReader(QString path);

    const QString& path() const { return path_; }
    // A protected file does not begin with "/".
    bool isProtected() const;
    void setPassword(const QString& password) { scrambler_ = Scrambler(password); }
    const Scrambler& scrambler() const { return scrambler_; }

    int pageCount();
    // The 1-based byte position where the page's commands begin; the start of the file for a
    // page the index does not place.
    qint64 pageStart(int page);
    SpoolHeader header();
    SpoolLines lines(qint64 position) const { return SpoolLines(path_, position, scrambler_); }

private:
    QList<qint64> readPageIndex() const;
    QList<qint64> findPageBreaks() const;

    QString path_;
    Scrambler scrambler_;
    std::optional<QList<qint64>> pageIndex_;
    std::optional<SpoolHeader> header_;
};

}  // namespace report
