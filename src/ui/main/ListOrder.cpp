#include "ui/main/ListOrder.h"

#include "db/ReadingOrder.h"
#include "db/UnicodeCase.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <numeric>
#include <thread>

namespace ui {

void FoldedKeys::reserve(size_t count, qsizetype bytes) {
    ends_.reserve(count);
    bytes_.reserve(bytes);
}

void FoldedKeys::append(const QString& text) {
    // Most texts are Latin-1, folded here as they are copied.
    const qsizetype start = bytes_.size();
    bytes_.resize(start + 2 * text.size());
    char* out = bytes_.data() + start;
    for (const QChar c : text) {
        if (c.unicode() >= 0x100) {
            bytes_.resize(start);
            bytes_ += db::CaseFold(text).toUtf8();
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
    quint64 value = 0;
    for (qsizetype i = 8 * part; i < 8 * part + 8; ++i)
        value = (value << 8) | (i < bytes.size() ? quint8(bytes[i]) : 0);
    return value;
}

std::vector<int> DenseRanks(const FoldedKeys& keys, std::vector<size_t>* order) {
    // The first sixteen bytes of each key as two numbers decide most comparisons without
    // reading the keys themselves. Equal keys stay in the order they were given.
    struct Entry {
        quint64 first;
        quint64 second;
        size_t index;
    };
    std::vector<Entry> entries(keys.size());
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i] = {keys.prefix(i, 0), keys.prefix(i, 1), i};
    auto compare = [&](const Entry& a, const Entry& b) {
        if (a.first != b.first)
            return a.first < b.first ? -1 : 1;
        if (a.second != b.second)
            return a.second < b.second ? -1 : 1;
        return keys.compare(a.index, b.index);
    };
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        const int byKey = compare(a, b);
        return byKey != 0 ? byKey < 0 : a.index < b.index;
    });
    std::vector<int> ranks(keys.size());
    if (order)
        order->resize(keys.size());
    int rank = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0 && compare(entries[i - 1], entries[i]) != 0)
            ++rank;
        ranks[entries[i].index] = rank;
        if (order)
            (*order)[i] = entries[i].index;
    }
    return ranks;
}

void ReadingKeys::append(const QString& text) {
    keys_.push_back(db::ReadingKey(text));
}

void ReadingKeys::appendAll(size_t count, const std::function<const QString&(size_t)>& textOf) {
    // Small lists are not worth a thread. Each thread has a collator of its own.
    const size_t parts =
        count < 4096 ? 1 : std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
    std::vector<std::vector<QCollatorSortKey>> made(parts);
    auto make = [&](size_t part) {
        const size_t begin = count * part / parts;
        const size_t end = count * (part + 1) / parts;
        made[part].reserve(end - begin);
        for (size_t i = begin; i < end; ++i)
            made[part].push_back(db::ReadingKey(textOf(i)));
    };
    std::vector<std::thread> helpers;
    for (size_t part = 1; part < parts; ++part)
        helpers.emplace_back(make, part);
    make(0);
    for (std::thread& helper : helpers)
        helper.join();
    keys_.reserve(keys_.size() + count);
    for (std::vector<QCollatorSortKey>& part : made)
        std::move(part.begin(), part.end(), std::back_inserter(keys_));
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

}  // namespace ui
