#include "ui/main/ListOrder.h"

#include "db/ReadingOrder.h"
#include "db/UnicodeCase.h"

#include <QCollator>
#include <QtEndian>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace ui {

namespace {

// Below this many keys a second thread costs more than it saves.
constexpr size_t SortedApartFrom = 20000;

}  // namespace

void FoldedKeys::reserve(size_t count, qsizetype bytes) {
    ends_.reserve(count);
    bytes_.reserve(bytes);
}

void FoldedKeys::append(QStringView text) {
    // Most texts are Latin-1, folded here as they are copied.
    const qsizetype start = bytes_.size();
    bytes_.resize(start + 2 * text.size());
    char* out = bytes_.data() + start;
    for (const QChar c : text) {
        if (c.unicode() >= 0x100) {
            bytes_.resize(start);
            bytes_ += db::CaseFold(text.toString()).toUtf8();
            ends_.push_back(bytes_.size());
            return;
        }
        const char16_t folded = db::CaseFoldLatin1(c.unicode());
        if (folded < 0x80) {
            *out++ = char(folded);
        } else {
            *out++ = char(0xC0 | (folded >> 6));
            *out++ = char(0x80 | (folded & 0x3F));
        }
    }
    bytes_.resize(out - bytes_.constData());
    ends_.push_back(bytes_.size());
}

bool FoldedKeys::appendPlaces(QStringView text, const db::PlainPlaces& places) {
    if (!db::AppendPlainKey(bytes_, text, places))
        return false;
    ends_.push_back(bytes_.size());
    return true;
}

QByteArrayView FoldedKeys::key(size_t index) const {
    const qsizetype start = index == 0 ? 0 : ends_[index - 1];
    return QByteArrayView(bytes_.constData() + start, ends_[index] - start);
}

int FoldedKeys::compare(size_t a, size_t b) const {
    const QByteArrayView x = key(a);
    const QByteArrayView y = key(b);
    const int common = std::memcmp(x.data(), y.data(), size_t(std::min(x.size(), y.size())));
    if (common != 0)
        return common;
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

quint64 FoldedKeys::prefix(size_t index, int part) const {
    const QByteArrayView bytes = key(index);
    const qsizetype start = 8 * qsizetype(part);
    if (bytes.size() >= start + 8)
        return qFromBigEndian<quint64>(bytes.data() + start);
    quint64 value = 0;
    for (qsizetype i = start; i < start + 8; ++i)
        value = (value << 8) | (i < bytes.size() ? quint8(bytes[i]) : 0);
    return value;
}

namespace {

// A key's place in a sort by eight bytes at a time: the piece at the depth being sorted, and
// whether the key goes on beyond it.
struct Piece {
    quint64 bytes;
    quint32 length : 31;  // up to the piece's end, or one more when the key goes on
    quint32 sameAsBefore : 1;  // its key equals the one before it, once sorted
    quint32 index;
    bool operator<(const Piece& other) const {
        if (bytes != other.bytes)
            return bytes < other.bytes;
        if (length != other.length)
            return length < other.length;
        return index < other.index;
    }
};

// Titles share long beginnings ("The Lord of the Rings: "), so keys are put in order by their
// first eight bytes, and only those that agree there by the next eight, and so on: each byte is
// read about once, where comparing whole keys would read the beginnings again and again.
void sortByPieces(const FoldedKeys& keys, Piece* begin, Piece* end, int depth) {
    const quint32 pieceEnd = quint32(8 * (depth + 1));
    for (Piece* piece = begin; piece != end; ++piece) {
        piece->bytes = keys.prefix(piece->index, depth);
        piece->length = std::min(quint32(keys.length(piece->index)), pieceEnd + 1);
    }
    std::sort(begin, end);
    for (Piece* run = begin; run != end;) {
        Piece* next = run + 1;
        while (next != end && next->bytes == run->bytes && next->length == run->length)
            ++next;
        if (next - run > 1 && run->length > pieceEnd)
            sortByPieces(keys, run, next, depth + 1);
        else
            for (Piece* same = run + 1; same != next; ++same)
                same->sameAsBefore = 1;
        run = next;
    }
}

// The keys' indexes grouped by their first two bytes, in the groups' order; the place where
// the groups that hold the first half of the keys end.
size_t groupByFirstBytes(const FoldedKeys& keys, std::vector<Piece>& pieces) {
    std::vector<quint32> starts(0x10001, 0);
    std::vector<quint16> groups(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        groups[i] = quint16(keys.prefix(i, 0) >> 48);
        ++starts[groups[i] + 1];
    }
    size_t half = 0;
    for (size_t group = 1; group < starts.size(); ++group) {
        starts[group] += starts[group - 1];
        if (half == 0 && starts[group] >= keys.size() / 2)
            half = starts[group];
    }
    for (size_t i = 0; i < keys.size(); ++i)
        pieces[starts[groups[i]]++].index = quint32(i);
    return half;
}

}  // namespace

std::vector<int> DenseRanks(const FoldedKeys& keys, std::vector<size_t>* order) {
    // Equal keys stay in the order they were given.
    std::vector<Piece> pieces(keys.size(), Piece{0, 0, 0, 0});
    Piece* const first = pieces.data();
    Piece* const last = first + pieces.size();
    if (pieces.size() >= SortedApartFrom && QThread::idealThreadCount() > 1) {
        // Every key of the first groups comes before every key of the others: the two parts
        // are sorted each on its own core, and together they are in order.
        Piece* const middle = first + groupByFirstBytes(keys, pieces);
        QFuture<void> firstPart = QtConcurrent::run([&] { sortByPieces(keys, first, middle, 0); });
        sortByPieces(keys, middle, last, 0);
        firstPart.waitForFinished();
    } else {
        for (size_t i = 0; i < pieces.size(); ++i)
            pieces[i].index = quint32(i);
        sortByPieces(keys, first, last, 0);
    }
    std::vector<int> ranks(keys.size());
    if (order)
        order->resize(keys.size());
    int rank = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0 && !pieces[i].sameAsBefore)
            ++rank;
        ranks[pieces[i].index] = rank;
        if (order)
            (*order)[i] = pieces[i].index;
    }
    return ranks;
}

void ReadingKeys::append(QStringView text) {
    keys_.push_back(db::ReadingKey(QString::fromRawData(text.data(), text.size())));
}

std::vector<int> DenseRanks(const ReadingKeys& keys, std::vector<size_t>* order) {
    std::vector<size_t> sorted(keys.size());
    std::iota(sorted.begin(), sorted.end(), size_t(0));
    std::sort(sorted.begin(), sorted.end(), [&](size_t a, size_t b) {
        const int byKey = keys.compare(a, b);
        return byKey != 0 ? byKey < 0 : a < b;
    });
    std::vector<int> ranks(keys.size());
    int rank = 0;
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0 && keys.compare(sorted[i - 1], sorted[i]) != 0)
            ++rank;
        ranks[sorted[i]] = rank;
    }
    if (order)
        *order = std::move(sorted);
    return ranks;
}

std::vector<int> ReadingRanks(size_t count, const std::function<QStringView(size_t)>& textOf,
                              std::vector<size_t>* order) {
    const db::PlainPlaces* places = db::PlainReadingPlaces();
    std::vector<size_t> plain;  // the texts put in order by places, and the others
    std::vector<size_t> other;
    FoldedKeys plainKeys;
    ReadingKeys otherKeys;
    plainKeys.reserve(places ? count : 0, places ? qsizetype(count) * 24 : 0);
    plain.reserve(places ? count : 0);
    for (size_t i = 0; i < count; ++i) {
        if (places && plainKeys.appendPlaces(textOf(i), *places)) {
            plain.push_back(i);
        } else {
            other.push_back(i);
            otherKeys.append(textOf(i));
        }
    }
    std::vector<size_t> plainOrder;
    std::vector<size_t> otherOrder;
    const std::vector<int> plainRanks = DenseRanks(plainKeys, &plainOrder);
    const std::vector<int> otherRanks = DenseRanks(otherKeys, &otherOrder);

    // The two orders merged; a text of each that the collator finds equal shares a rank, and
    // equal texts keep the order they were given in.
    const QCollator& collator = db::ReadingCollator();
    std::vector<int> ranks(count);
    std::vector<size_t> merged;
    merged.reserve(count);
    size_t p = 0;
    size_t o = 0;
    int rank = -1;
    bool lastPlain = false;
    size_t lastInClass = 0;  // the place of the last text taken, in its own class's order
    while (p < plain.size() || o < other.size()) {
        int byText = 0;
        if (p == plain.size())
            byText = 1;
        else if (o == other.size())
            byText = -1;
        else
            byText = collator.compare(textOf(plain[plainOrder[p]]), textOf(other[otherOrder[o]]));
        const bool takePlain =
            byText < 0 || (byText == 0 && plain[plainOrder[p]] < other[otherOrder[o]]);
        const size_t index = takePlain ? plain[plainOrder[p]] : other[otherOrder[o]];
        bool equalToLast = false;
        if (!merged.empty()) {
            if (takePlain == lastPlain)
                equalToLast =
                    takePlain ? plainRanks[plainOrder[p]] == plainRanks[plainOrder[lastInClass]]
                              : otherRanks[otherOrder[o]] == otherRanks[otherOrder[lastInClass]];
            else
                equalToLast = collator.compare(textOf(merged.back()), textOf(index)) == 0;
        }
        if (!equalToLast)
            ++rank;
        ranks[index] = rank;
        merged.push_back(index);
        lastPlain = takePlain;
        lastInClass = takePlain ? p++ : o++;
    }
    if (order)
        *order = std::move(merged);
    return ranks;
}

}  // namespace ui
