#include "ui/main/ListOrder.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <algorithm>
#include <numeric>

namespace {

// Keys put in order whole, one comparison of all their bytes at a time: the order DenseRanks
// must give however it gets there.
std::vector<size_t> wholeKeyOrder(const ui::FoldedKeys& keys) {
    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return keys.compare(a, b) < 0; });
    return order;
}

// Texts as a big collection has them: long shared beginnings, numbered parts, the same title
// more than once, texts that end where another goes on, and some that end in the middle of an
// eight-byte piece or exactly at its end.
QStringList collectionTitles(int count) {
    const QStringList beginnings = {"The Lord of the Rings: ", "The Lord of the Rings", "Star ",
                                    "A", "", "The ", "Abcdefgh", "Abcdefghijklmnop"};
    QRandomGenerator random(7);
    QStringList titles;
    for (int i = 0; i < count; ++i) {
        QString title = beginnings[random.bounded(int(beginnings.size()))];
        const int parts = random.bounded(4);
        for (int part = 0; part < parts; ++part)
            title += QChar(u'a' + random.bounded(3));
        if (random.bounded(5) == 0)
            title += QStringLiteral(" (%1)").arg(random.bounded(40));
        if (random.bounded(9) == 0)
            title += QChar(0);  // a key's zero byte is no end
        titles.append(title);
    }
    return titles;
}

TEST(DenseRanks, GiveTheOrderOfWholeKeysWithTiesSharingARank) {
    // Below and above the size from which the sort runs on two threads.
    for (const int count : {2000, 60000}) {
        const QStringList titles = collectionTitles(count);
        ui::FoldedKeys keys;
        for (const QString& title : titles)
            keys.append(title);
        std::vector<size_t> order;
        const std::vector<int> ranks = ui::DenseRanks(keys, &order);
        ASSERT_EQ(order, wholeKeyOrder(keys)) << count;
        for (size_t i = 1; i < order.size(); ++i) {
            const bool equal = keys.compare(order[i - 1], order[i]) == 0;
            EXPECT_EQ(ranks[order[i]], ranks[order[i - 1]] + (equal ? 0 : 1)) << count << ": " << i;
        }
        EXPECT_EQ(ranks[order.front()], 0);
    }
}

}  // namespace
