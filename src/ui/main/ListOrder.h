#pragma once

#include "db/ReadingOrder.h"

#include <QByteArray>
#include <QCollatorSortKey>
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

namespace ui {

// Texts in order by keys of bytes, all in one block, compared byte by byte: each text's case fold
// in UTF-8 (the order of their code points, ignoring letter case), or its key of places in the
// reading order.
class FoldedKeys {
public:
    void reserve(size_t count, qsizetype bytes);
    void append(QStringView text);
    // The text's key of places (db::AppendPlainKey) instead of its fold, when it has one;
    // otherwise nothing is added and the answer is false.
    bool appendPlaces(QStringView text, const db::PlainPlaces& places);
    size_t size() const { return ends_.size(); }
    // Negative, zero or positive as key a comes before, with or after key b.
    int compare(size_t a, size_t b) const;
    // Eight bytes of a key, the first eight (part 0), the next (part 1) and so on, as a number
    // that orders as they do; a key that ends before them gives zeros.
    quint64 prefix(size_t index, int part) const;
    qsizetype length(size_t index) const { return key(index).size(); }

private:
    QByteArrayView key(size_t index) const;

    QByteArray bytes_;
    std::vector<qsizetype> ends_;
};

// Titles and names in the order people read them (db::ReadingKey): one sort key each, made once
// when the list is filled, so that sorting compares keys and never asks the collator again.
class ReadingKeys {
public:
    void append(QStringView text);
    size_t size() const { return keys_.size(); }
    int compare(size_t a, size_t b) const { return keys_[a].compare(keys_[b]); }

private:
    std::vector<QCollatorSortKey> keys_;
};

// The place of each key in their order, counting equal keys once: 0 for the first. order, when
// given, receives the indexes of the keys in their order, equal keys in the order given.
std::vector<int> DenseRanks(const FoldedKeys& keys, std::vector<size_t>* order = nullptr);
std::vector<int> DenseRanks(const ReadingKeys& keys, std::vector<size_t>* order = nullptr);

// The ranks of count texts in reading order, as DenseRanks gives them. Most titles are plain
// Latin-1, which the language orders letter by letter: those are put in order by their places,
// without a key from the collator; the others by keys, and the two merged by the collator.
std::vector<int> ReadingRanks(size_t count, const std::function<QStringView(size_t)>& textOf,
                              std::vector<size_t>* order = nullptr);

// The rank of each of count cells in the order of Keys, equal cells sharing one. Cells are told
// apart by valueOf (a number or the text) and put in order by textOf, which is asked once for
// each different cell: most columns hold few.
template <typename Keys, typename ValueOf, typename TextOf>
std::vector<int> CellRanks(size_t count, ValueOf valueOf, TextOf textOf) {
    using Value = std::decay_t<decltype(valueOf(size_t(0)))>;
    QHash<Value, int> distinct;
    Keys keys;
    std::vector<int> ranks(count);
    for (size_t row = 0; row < count; ++row) {
        const Value value = valueOf(row);
        auto found = distinct.constFind(value);
        if (found == distinct.constEnd()) {
            found = distinct.insert(value, int(keys.size()));
            keys.append(textOf(row));
        }
        ranks[row] = *found;
    }
    const std::vector<int> ofDistinct = DenseRanks(keys);
    for (int& rank : ranks)
        rank = ofDistinct[size_t(rank)];
    return ranks;
}

}  // namespace ui
