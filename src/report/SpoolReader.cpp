#include "report/SpoolReader.h"

#include "report/SpoolFormat.h"

namespace report {

namespace {

constexpr qint64 ChunkSize = 64 * 1024;
// Far longer than any line a report writes; a longer one comes from a damaged file.
constexpr qsizetype MaxLineLength = 64 * 1024;
// The header block has 17 lines; a file without "/BEGINNINGOFREPORT" is not read to its end.
constexpr int MaxHeaderLines = 64;

// The 0-based position of the last "/" in the file, or -1.
qint64 lastSlash(QFile& file) {
    qint64 end = file.size();
    while (end > 0) {
        const qint64 start = qMax<qint64>(0, end - ChunkSize);
        file.seek(start);
        const QByteArray block = file.read(end - start);
        const qsizetype found = block.lastIndexOf('/');
        if (found >= 0)
            return start + found;
        end = start;
    }
    return -1;
}

}  // namespace

SpoolLines::SpoolLines(const QString& path, qint64 position, const Scrambler& scrambler)
    : file_(path), scrambler_(scrambler) {
    if (file_.open(QIODevice::ReadOnly))
        file_.seek(qMax<qint64>(0, position - 1));
    chunkStart_ = file_.isOpen() ? file_.pos() : 0;
}

bool SpoolLines::fill() {
    if (!file_.isOpen())
        return false;
    chunkStart_ += chunk_.size();
    chunk_ = file_.read(ChunkSize);
    at_ = 0;
    scrambler_.unscramble(chunk_.data(), chunk_.size(), chunkStart_);
    return !chunk_.isEmpty();
}

bool SpoolLines::next(QByteArray& line) {
    if (putBack_) {
        line = std::move(*putBack_);
        putBack_.reset();
        return true;
    }
    line.clear();
    bool started = false;
    for (;;) {
        if (at_ >= chunk_.size() && !fill())
            return started;
        started = true;
        const qsizetype end = chunk_.indexOf('\n', at_);
        const qsizetype stop = end < 0 ? chunk_.size() : end;
        const qsizetype room = MaxLineLength - line.size();
        line.append(QByteArrayView(chunk_).sliced(at_, qMin(stop - at_, qMax<qsizetype>(0, room))));
        at_ = stop;
        if (end >= 0) {
            ++at_;
            if (line.endsWith('\r'))
                line.chop(1);
            return true;
        }
    }
}

QString SpoolLines::nextText() {
    QByteArray line;
    next(line);
    return QString::fromUtf8(line);
}

SpoolReader::SpoolReader(QString path) : path_(std::move(path)) {}

bool SpoolReader::isProtected() const {
    QFile file(path_);
    char first = '/';
    if (file.open(QIODevice::ReadOnly))
        file.getChar(&first);
    return first != '/';
}

int SpoolReader::pageCount() {
    if (!pageIndex_)
        pageIndex_ = readPageIndex();
    return static_cast<int>(pageIndex_->size());
}

qint64 SpoolReader::pageStart(int page) {
    if (page < 1 || page > pageCount())
        return 1;
    qint64& start = (*pageIndex_)[page - 1];
    if (start == 0)
        start = 1;
    return start;
}

QList<qint64> SpoolReader::readPageIndex() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {1};
    const qint64 size = file.size();
    const qint64 slash = lastSlash(file);
    file.close();
    if (slash < 0)
        return findPageBreaks();
    // The index is never scrambled.
    const Scrambler plain;
    SpoolLines trailer(path_, slash + 1, plain);
    QByteArray line;
    bool ok = false;
    if (!trailer.next(line) || line != spool::PageByteOffsets || !trailer.next(line))
        return findPageBreaks();
    const int count = spool::ReadInteger(QString::fromLatin1(line), &ok);
    // Every entry takes at least three bytes, so a larger count is not this file's.
    if (!ok || count < 1 || count > size / 3)
        return findPageBreaks();
    QList<qint64> index;
    index.reserve(count);
    while (index.size() < count && trailer.next(line)) {
        const double start = spool::ReadNumber(QString::fromLatin1(line), &ok);
        // A position outside the file reads the page from the start.
        index.append(ok && start >= 1 && start <= size ? static_cast<qint64>(start) : 0);
    }
    return index.size() == count ? index : findPageBreaks();
}

QList<qint64> SpoolReader::findPageBreaks() const {
    QList<qint64> index{1};
    SpoolLines lines(path_, 1, scrambler_);
    QByteArray line;
    while (lines.next(line)) {
        if (line == spool::EndOfReport)
            break;
        if (line == spool::NewPage && lines.next(line))
            index.append(lines.position());
    }
    return index;
}

SpoolHeader SpoolReader::header() {
    if (header_)
        return *header_;
    SpoolHeader header;
    SpoolLines lines(path_, 1, scrambler_);
    QByteArray line;
    for (int read = 0; read < MaxHeaderLines && lines.next(line); ++read) {
        if (line == spool::BeginningOfReport)
            break;
        if (line == spool::Version)
            header.version = spool::ReadInteger(lines.nextText());
        else if (line == spool::OrientationWord)
            header.orientation = spool::ReadInteger(lines.nextText());
        else if (line == spool::PaperSizeWord)
            header.paperSize = spool::ReadInteger(lines.nextText());
        else if (line == spool::ReportName)
            header.reportName = lines.nextText();
        else if (line == spool::CreatedBy)
            header.createdBy = lines.nextText();
        else if (line == spool::CreateDate)
            header.createDate = lines.nextText();
        else if (line == spool::CreateTime)
            header.createTime = lines.nextText();
        else if (line == spool::Note)
            header.note = lines.nextText();
    }
    header_ = header;
    return header;
}

}  // namespace report
