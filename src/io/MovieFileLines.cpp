#include "io/MovieFileLines.h"

#include "io/Destination.h"
#include "io/MovieFileError.h"
#include "io/TextDecoding.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>

namespace io {

namespace {

constexpr qsizetype ChunkSize = 1 << 16;

qsizetype lineEnd(const QByteArray& bytes, qsizetype from) {
    for (qsizetype i = from; i < bytes.size(); ++i)
        if (bytes[i] == '\n' || bytes[i] == '\r')
            return i;
    return -1;
}

}  // namespace

MovieFileLines::MovieFileLines(const QString& path)
    : path_(path), device_(std::make_unique<QFile>(path)) {
    // Before opening: a pipe with nothing writing to it would wait for good.
    RequireRegularFile(path);
    if (!device_->open(QIODevice::ReadOnly))
        failToRead();
}

MovieFileLines::MovieFileLines(QByteArray bytes) : device_(std::make_unique<QBuffer>()) {
    auto* buffer = static_cast<QBuffer*>(device_.get());
    buffer->setData(std::move(bytes));
    buffer->open(QIODevice::ReadOnly);
}

MovieFileLines::~MovieFileLines() = default;

void MovieFileLines::failToRead() const {
    throw FileError(
        QCoreApplication::translate("io::MovieFileLines", "'%1' could not be read.\n\n%2")
            .arg(path_, device_->errorString()));
}

// Appends the next chunk to what is left of the buffer; false at the end of the file.
bool MovieFileLines::readMore() {
    buffer_.remove(0, position_);
    position_ = 0;
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + ChunkSize);
    const qint64 read = device_->read(buffer_.data() + kept, ChunkSize);
    if (read < 0)
        failToRead();
    buffer_.resize(kept + read);
    if (hash_)
        hash_->addData(QByteArrayView(buffer_).sliced(kept));
    if (!started_) {
        started_ = true;
        if (buffer_.startsWith("\xEF\xBB\xBF"))
            position_ = 3;
    }
    return read > 0;
}

bool MovieFileLines::atEnd() {
    if (skipping_)
        skipRestOfLine();
    while (position_ >= buffer_.size())
        if (!readMore())
            return true;
    return false;
}

// The rest of a line too long to keep goes as it is read.
void MovieFileLines::skipRestOfLine() {
    skipping_ = false;
    for (;;) {
        if (const qsizetype found = lineEnd(buffer_, position_); found >= 0) {
            position_ = found;
            stepOverLineEnd();
            return;
        }
        position_ = buffer_.size();
        if (!readMore())
            return;
    }
}

void MovieFileLines::stepOverLineEnd() {
    if (position_ >= buffer_.size())
        return;
    const bool cr = buffer_[position_] == '\r';
    ++position_;
    // A CR last in what is read may be the first half of CR LF.
    if (cr && (position_ < buffer_.size() || readMore()) && buffer_[position_] == '\n')
        ++position_;
}

QString MovieFileLines::next() {
    if (atEnd())
        return {};
    qsizetype scanned = 0;  // from position_, which readMore() keeps at the line's start
    qsizetype found = -1;
    while ((found = lineEnd(buffer_, position_ + scanned)) < 0) {
        scanned = buffer_.size() - position_;
        if (scanned > MaximumLineBytes)
            break;
        if (!readMore())
            break;
    }
    // Counted once read, so that a failure to read names the line after the last one read.
    ++lineNumber_;
    const qsizetype end = found >= 0 ? found : buffer_.size();
    lastLineTooLong_ = end - position_ > MaximumLineBytes;
    if (lastLineTooLong_) {
        position_ = end;
        skipping_ = true;  // the rest is passed over only when a later line is asked for
        return {};
    }
    const QByteArrayView bytes(buffer_.constData() + position_, end - position_);
    const FileEncoding encoding = DetectEncoding(bytes);
    if (encoding == FileEncoding::Windows1252 && ++windows1252Lines_ <= Windows1252LinesListed)
        firstWindows1252Lines_.append(lineNumber_);
    QString line = Decode(bytes, encoding);
    position_ = end;
    stepOverLineEnd();
    return line;
}

}  // namespace io
