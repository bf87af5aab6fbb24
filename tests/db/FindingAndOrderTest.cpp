#include "db/FindingTexts.h"
#include "db/Genres.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/UnicodeCase.h"
#include "support/ReadingOrderCases.h"
#include "support/StockSqlite.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using db::LookupTable;

TEST(FindingFold, DropsCaseAndAccentsAndSpellsOutCompatibilityForms) {
    const std::pair<QString, QString> cases[] = {
        {"Amélie", "amelie"},           {"NIÑO", "nino"},
        {"Ça ira", "ca ira"},           {"Straße", "strasse"},
        {"ﬁlm Ⅻ", "film xii"},          {"Ærø Œuvre", "ærø œuvre"},  // letters, not accents
        {"Ἀθῆναι", "αθηναι"},           {"Dvořák", "dvorak"},
        {"100% _'\"*?", "100% _'\"*?"}, {"", ""},
    };
    for (const auto& [text, folded] : cases)
        EXPECT_EQ(db::FindingFold(text), folded) << text.toStdString();
}

TEST(FindingTexts, HoldEveryTextAMovieIsFoundByOneToALine) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    db::MovieRecord movie;
    movie.title = QStringLiteral("Amélie");
    movie.labelNumber = QStringLiteral("A-12");
    movie.director = QStringLiteral("Jean-Pierre JEUNET");
    movie.producer = QStringLiteral("Claudie Ossard");
    movie.notes = QStringLiteral("Café\ndes Deux Moulins");
    movie.locationId = db::LookupOrAddId(connection, LookupTable::Location, "Étagère");
    movie.genreIds = QStringLiteral("%1/%2")
                         .arg(db::LookupOrAddId(connection, LookupTable::Genre, "Comédie"))
                         .arg(db::LookupOrAddId(connection, LookupTable::Genre, "Romance"));
    movie.mediaId = 3;
    movie.ratingId = 4;
    const int amelie = db::InsertMovie(connection, movie);
    for (const char* actor : {"Audrey Tautou", "Mathieu Kassovitz"})
        db::LookupOrAddId(connection, LookupTable::Actor, actor);
    db::SetMovieCast(connection, amelie, {"Audrey Tautou", "Mathieu Kassovitz"});
    movie.title = QStringLiteral("Other");
    movie.notes.clear();
    const int other = db::InsertMovie(connection, movie);

    // The names once each, the movies with their own texts and the numbers of their names.
    QList<QByteArray> names;
    std::map<int, QByteArray> texts;
    db::ScanFindingTexts(
        connection, [&](const QByteArray& name) { names.append(name); },
        [&](int movieId, const QByteArray& own, const std::vector<int>& linked) {
            QByteArray text = own;
            for (int number : linked)
                text += '\n' + names.value(number);
            texts[movieId] = text;
        });
    EXPECT_EQ(names.count("audrey tautou"), 1);
    ASSERT_EQ(texts.size(), 2u);
    QList<QByteArray> lines = texts[amelie].split('\n');
    std::sort(lines.begin(), lines.end());
    const QList<QByteArray> expected = {"a-12",
                                        "amelie",
                                        "audrey tautou",
                                        "cafe",
                                        "claudie ossard",
                                        "comedie",
                                        "des deux moulins",
                                        "etagere",
                                        "jean-pierre jeunet",
                                        "mathieu kassovitz",
                                        "romance"};
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(texts[other].contains("tautou")) << "another movie's cast";

    // One movie read again, as a save does, gives the same lines.
    lines = db::FindingTextOf(connection, amelie).split('\n');
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, expected);
    db::DeleteMovieRows(connection, other);
    EXPECT_TRUE(db::FindingTextOf(connection, other).isEmpty());
}

// Only finding ignores accents: titles and names that differ by them stay two.
TEST(FindingFold, AccentsStillTellTitlesAndNamesApart) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    db::MovieRecord movie;
    movie.title = QStringLiteral("Amélie");
    movie.locationId = 2;
    movie.mediaId = 3;
    movie.ratingId = 4;
    const int accented = db::InsertMovie(connection, movie);
    EXPECT_EQ(db::FindMovieByTitle(connection, "AMÉLIE"), accented);
    EXPECT_EQ(db::FindMovieByTitle(connection, "Amelie"), 0);
    const int emile = db::LookupOrAddId(connection, LookupTable::Actor, "Émile");
    EXPECT_NE(db::LookupOrAddId(connection, LookupTable::Actor, "Emile"), emile);
    EXPECT_EQ(db::LookupOrAddId(connection, LookupTable::Actor, "ÉMILE"), emile);
}

class ReadingOrder : public testing::TestWithParam<test::ReadingOrderCase> {};

// The order is the statement's alone: the file names nothing of it, and the stock tool finds
// the file sound.
TEST_P(ReadingOrder, OrdersNamesAsTheLanguageReadsThemWithoutTouchingTheFile) {
    test::ReadingLocale language(GetParam().locale);
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    for (const QString& name : test::NamesToOrder)
        db::LookupOrAddId(connection, LookupTable::Actor, name);
    QStringList listed = db::LookupNames(connection, LookupTable::Actor);
    listed.removeIf([](const QString& name) { return !test::NamesToOrder.contains(name); });
    EXPECT_EQ(listed, GetParam().order);

    QStringList keysInOrder = test::NamesToOrder;
    std::sort(keysInOrder.begin(), keysInOrder.end(), [](const QString& a, const QString& b) {
        return db::ReadingKey(a).compare(db::ReadingKey(b)) < 0;
    });
    EXPECT_EQ(keysInOrder, GetParam().order) << "sort keys agree with the statements";

    const QString path = files.path(QStringLiteral("KIB.db"));
    EXPECT_EQ(test::StockSqlite(path, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(test::StockSqlite(path,
                                "SELECT COUNT(*) FROM sqlite_master WHERE sql LIKE "
                                "'%READING%'"),
              "0");
}

INSTANTIATE_TEST_SUITE_P(Languages, ReadingOrder, testing::ValuesIn(test::ReadingOrderCases));

TEST(ReadingOrderWithoutALanguage, TheCLocaleUsesTheCommonOrder) {
    test::ReadingLocale language("C");
    QStringList names = test::NamesToOrder;
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return db::ReadingKey(a).compare(db::ReadingKey(b)) < 0;
    });
    EXPECT_EQ(names, test::WithTheNs);
}

}  // namespace
