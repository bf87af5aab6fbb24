#include "db/MovieListRows.h"

#include <QStringDecoder>
#include <algorithm>

namespace db {

MovieListRows::MovieListRows(std::initializer_list<MovieListRow> rows) {
    for (const MovieListRow& row : rows)
        append(row);
}

MovieListRows::MovieListRows(const std::vector<MovieListRow>& rows) {
    for (const MovieListRow& row : rows)
        append(row);
}

void MovieListRows::reserve(size_t count) {
    entries_.reserve(count);
    // Most titles and labels together are shorter than this; the rest grows the block.
    texts_.reserve(qsizetype(count) * 28);
}

qsizetype MovieListRows::appendText(QByteArrayView utf8) {
    const qsizetype start = texts_.size();
    // Decoded straight into the block, without a string of its own: UTF-16 never takes more
    // characters than UTF-8 takes bytes.
    if (texts_.capacity() < start + utf8.size())
        texts_.reserve(std::max(texts_.capacity() * 2, start + utf8.size()));
    texts_.resize(start + utf8.size());
    QChar* out = texts_.data() + start;
    // Most titles and labels are plain ASCII, widened here without asking the decoder.
    qsizetype ascii = 0;
    while (ascii < utf8.size() && uchar(utf8[ascii]) < 0x80) {
        out[ascii] = QLatin1Char(utf8[ascii]);
        ++ascii;
    }
    out += ascii;
    if (ascii < utf8.size()) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        out = decoder.appendToBuffer(out, utf8.sliced(ascii));
    }
    texts_.truncate(qsizetype(out - texts_.constData()));
    return texts_.size() - start;
}

qsizetype MovieListRows::appendText(QStringView text) {
    const qsizetype start = texts_.size();
    texts_.append(text);
    return texts_.size() - start;
}

void MovieListRows::append(int movieId, QByteArrayView titleUtf8, QByteArrayView labelUtf8,
                           int location, int minutes, int releaseYear, double stars) {
    Entry& entry = entries_.emplace_back();
    entry.movieId = movieId;
    entry.minutes = minutes;
    entry.releaseYear = releaseYear;
    entry.location = quint32(location);
    entry.genres = entry.location;  // a valid number until the genres are set
    entry.textStart = texts_.size();
    entry.titleLength = quint32(appendText(titleUtf8));
    entry.labelLength = quint32(appendText(labelUtf8));
    entry.stars = stars;
}

void MovieListRows::append(const MovieListRow& row) {
    entries_.emplace_back();
    replace(entries_.size() - 1, row);
}

int MovieListRows::sharedText(const QString& text) {
    const auto found = sharedByData_.constFind(text.constData());
    if (found != sharedByData_.constEnd())
        return *found;
    // The copy kept here keeps its data where it is, so no other text can come to share it.
    shared_.push_back(text);
    const int number = int(shared_.size() - 1);
    sharedByData_.insert(shared_.back().constData(), number);
    return number;
}

void MovieListRows::setGenres(size_t index, const QString& genres) {
    entries_[index].genres = quint32(sharedText(genres));
}

void MovieListRows::replace(size_t index, const MovieListRow& row) {
    Entry& entry = entries_[index];
    entry.movieId = row.movieId;
    entry.minutes = row.minutes;
    entry.releaseYear = row.releaseYear;
    entry.genres = quint32(sharedText(row.genres));
    entry.location = quint32(sharedText(row.location));
    entry.textStart = texts_.size();
    entry.titleLength = quint32(appendText(QStringView(row.title)));
    entry.labelLength = quint32(appendText(QStringView(row.labelNumber)));
    entry.stars = row.stars;
}

void MovieListRows::finish() {
    const auto byNumber = [](const Entry& a, const Entry& b) { return a.movieId < b.movieId; };
    if (!std::is_sorted(entries_.begin(), entries_.end(), byNumber))
        std::sort(entries_.begin(), entries_.end(), byNumber);
    entries_.shrink_to_fit();
    texts_.squeeze();
}

QStringView MovieListRows::title(size_t index) const {
    const Entry& entry = entries_[index];
    return QStringView(texts_).sliced(entry.textStart, entry.titleLength);
}

QStringView MovieListRows::labelNumber(size_t index) const {
    const Entry& entry = entries_[index];
    return QStringView(texts_).sliced(entry.textStart + entry.titleLength, entry.labelLength);
}

MovieListRow MovieListRows::row(size_t index) const {
    return {movieId(index),
            title(index).toString(),
            genres(index),
            location(index),
            labelNumber(index).toString(),
            minutes(index),
            releaseYear(index),
            stars(index)};
}

qsizetype MovieListRows::indexOf(int movieId) const {
    const auto found =
        std::lower_bound(entries_.begin(), entries_.end(), movieId,
                         [](const Entry& entry, int id) { return entry.movieId < id; });
    if (found == entries_.end() || found->movieId != movieId)
        return -1;
    return found - entries_.begin();
}

}  // namespace db
