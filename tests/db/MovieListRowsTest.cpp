#include "db/MovieListRows.h"

#include <gtest/gtest.h>

namespace {

QByteArray utf8(const char* text) {
    return QByteArray(text);
}

// Titles and labels share one block of text: each movie must get back exactly its own, however
// the block grew and whatever the movies were sorted or rewritten into.
TEST(MovieListRows, EachMovieKeepsItsOwnTextsThroughGrowthSortingAndRewrites) {
    db::MovieListRows rows;
    rows.reserve(1);  // far too small: the block must grow under the rows already in it
    const int shelf = rows.sharedText(QStringLiteral("Shelf"));
    const QString longTitle = QString(300, QLatin1Char('x')) + QStringLiteral("é");
    rows.append(30, utf8("Amélie 🎬"), utf8("A-1"), shelf, 122, 2001, 4.5);
    rows.append(10, longTitle.toUtf8(), utf8(""), shelf, 90, 1999, 3);
    rows.append(20, utf8(""), utf8("東京-7"), shelf, 0, 0, 0);
    rows.append(40, QByteArray("bad \xff byte"), utf8("Z"), shelf, 1, 2, 1);
    rows.finish();

    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows.movieId(0), 10) << "in movie number order";
    EXPECT_EQ(rows.title(0), longTitle);
    EXPECT_EQ(rows.labelNumber(0), QString());
    EXPECT_EQ(rows.title(1), QString());
    EXPECT_EQ(rows.labelNumber(1), QStringLiteral("東京-7"));
    EXPECT_EQ(rows.title(2), QStringLiteral("Amélie 🎬"));
    EXPECT_EQ(rows.labelNumber(2), QStringLiteral("A-1"));
    EXPECT_EQ(rows.minutes(2), 122);
    EXPECT_EQ(rows.releaseYear(2), 2001);
    EXPECT_EQ(rows.stars(2), 4.5);
    EXPECT_EQ(rows.title(3), QString::fromUtf8("bad \xff byte")) << "decoded as a string would be";
    EXPECT_EQ(rows.location(3), QStringLiteral("Shelf"));

    EXPECT_EQ(rows.indexOf(30), 2);
    EXPECT_EQ(rows.indexOf(25), -1);
    EXPECT_EQ(rows.indexOf(41), -1);

    rows.replace(2, {30, QStringLiteral("Amélie (2001)"), QStringLiteral("Comedy"),
                     QStringLiteral("Attic"), QStringLiteral("A-2"), 123, 2001, 5});
    const db::MovieListRow rewritten = rows[2];
    EXPECT_EQ(rewritten.title, QStringLiteral("Amélie (2001)"));
    EXPECT_EQ(rewritten.labelNumber, QStringLiteral("A-2"));
    EXPECT_EQ(rewritten.genres, QStringLiteral("Comedy"));
    EXPECT_EQ(rewritten.location, QStringLiteral("Attic"));
    EXPECT_EQ(rows.title(3), QString::fromUtf8("bad \xff byte")) << "the next movie is untouched";
    EXPECT_EQ(rows.labelNumber(1), QStringLiteral("東京-7"));
}

// Genre and location texts are held once and told apart by their numbers, which the list sorts
// and groups by: copies of one text share a number, other texts never do.
TEST(MovieListRows, CopiesOfOneSharedTextShareItsNumber) {
    const QString horror = QStringLiteral("Horror");
    const QString comedy = QStringLiteral("Comedy");
    db::MovieListRows rows = {{1, "A", horror, "Shelf", "1", 0, 0, 0},
                              {2, "B", comedy, "Shelf", "2", 0, 0, 0},
                              {3, "C", QString(horror), "Attic", "3", 0, 0, 0}};
    EXPECT_EQ(rows.genresNumber(0), rows.genresNumber(2));
    EXPECT_NE(rows.genresNumber(0), rows.genresNumber(1));
    EXPECT_EQ(rows.sharedText(comedy), rows.genresNumber(1));
    rows.setGenres(1, horror);
    EXPECT_EQ(rows.genresNumber(1), rows.genresNumber(0));
    EXPECT_EQ(rows.genres(1), horror);
    EXPECT_NE(rows.locationNumber(0), rows.locationNumber(2));
    EXPECT_EQ(rows.location(2), QStringLiteral("Attic"));
}

}  // namespace
