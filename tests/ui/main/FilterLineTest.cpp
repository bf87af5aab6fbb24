#include "MainWindowFixture.h"

#include "db/LookupTable.h"
#include "db/Movies.h"
#include "support/ReadingOrderCases.h"
#include "support/UserInput.h"
#include "ui/main/FilterLine.h"
#include "ui/main/ListOrder.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTest>

namespace {

using db::LookupTable;

class FilterLineTest : public test::MainWindowTest {
protected:
    // A movie with the texts the filter looks through.
    int addMovie(const QString& title, const std::function<void(db::MovieRecord&)>& fill = {},
                 const QStringList& cast = {}) {
        const int movieId = MainWindowTest::addMovie(title);
        db::MovieRecord movie;
        movie.title = title;
        movie.locationId = 2;
        movie.mediaId = 3;
        movie.ratingId = 4;
        if (fill)
            fill(movie);
        db::UpdateMovie(connection(), movieId, movie);
        for (const QString& actor : cast)
            db::LookupOrAddId(connection(), LookupTable::Actor, actor);
        db::SetMovieCast(connection(), movieId, cast);
        return movieId;
    }
    int idOf(LookupTable table, const QString& name) {
        return db::LookupOrAddId(connection(), table, name);
    }

    ui::FilterLine& filter() { return window().filterLine(); }

    // Ctrl+F, then the text typed over what the line held, key by key.
    void typeFilter(const QString& text) {
        QTest::keyClick(&window(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_EQ(QApplication::focusWidget(), &filter());
        if (text.isEmpty())
            QTest::keyClick(&filter(), Qt::Key_Delete);
        else
            QTest::keyClicks(&filter(), text);
        ASSERT_EQ(filter().text(), text);
    }

    QString countText() { return find<QLabel>("lblCount")->text(); }

    // Four movies, each found by other texts.
    void addFourMovies() {
        const int comedy = idOf(LookupTable::Genre, "Comédie dramatique");
        const int shelf = idOf(LookupTable::Location, "Étagère du salon");
        addMovie("Amélie",
                 [&](db::MovieRecord& movie) {
                     movie.director = "Jean-Pierre Jeunet";
                     movie.genreIds = QString::number(comedy);
                 },
                 {"Audrey Tautou"});
        addMovie("El Niño", [](db::MovieRecord& movie) {
            movie.producer = "Pedro Almodóvar";
            movie.notes = "A storm\nat sea";
        });
        addMovie("The Matrix", [](db::MovieRecord& movie) { movie.director = "Lana Wachowski"; },
                 {"Keanu Reeves"});
        addMovie("Heat",
                 [&](db::MovieRecord& movie) {
                     movie.labelNumber = "H-77";
                     movie.locationId = shelf;
                 },
                 {"Al Pacino"});
    }
};

TEST_F(FilterLineTest, KeepsTheMoviesThatHoldEveryWordInAnyOrderIgnoringCaseAndAccents) {
    addFourMovies();
    openWindow();
    EXPECT_EQ(filter().placeholderText(), "Filter movies (Ctrl+F)");
    EXPECT_FALSE(filter().accessibleName().isEmpty());
    EXPECT_TRUE(filter().isClearButtonEnabled());
    const std::pair<QString, QStringList> cases[] = {
        {"amelie", {"Amélie"}},
        {"AMÉLIE", {"Amélie"}},
        {"nino", {"El Niño"}},
        {"TAUTOU jeunet", {"Amélie"}},  // an actor and the director
        {"jeunet  tautou ", {"Amélie"}},
        {"comedie", {"Amélie"}},     // a genre
        {"almodovar", {"El Niño"}},  // the producer
        {"sea storm", {"El Niño"}},  // the notes, over two lines
        {"h-77", {"Heat"}},          // the label number
        {"etagere", {"Heat"}},       // the storage location
        {"reeves matrix", {"The Matrix"}},
        {"e", {"Amélie", "El Niño", "Heat", "The Matrix"}},
        {"a", {"Amélie", "El Niño", "Heat", "The Matrix"}},
        {"pacino jeunet", {}},  // two movies' words: neither holds both
        {"storm at sea", {"El Niño"}},
    };
    for (const auto& [typed, titles] : cases) {
        typeFilter(typed);
        EXPECT_EQ(listedTitles(), titles) << typed.toStdString();
        EXPECT_EQ(countText(), QStringLiteral("Movies on file: %1 of 4").arg(titles.size()));
        // The shown movie stays while it is kept; otherwise the first kept is shown.
        const QString shown = shownTitle();
        EXPECT_TRUE(titles.isEmpty() ? shown.isEmpty() : titles.contains(shown))
            << typed.toStdString();
    }
    typeFilter("reeves");
    typeFilter("e");
    EXPECT_EQ(shownTitle(), "The Matrix") << "a movie still kept stays shown";
    typeFilter("");
    EXPECT_EQ(listedTitles().size(), 4);
    EXPECT_EQ(countText(), "Movies on file: 4");
    EXPECT_TRUE(ui.exchanges().empty());
}

TEST_F(FilterLineTest, NarrowsTheActiveSearchAndEscClearsItWithoutClosingTheWindow) {
    addFourMovies();
    openWindow();
    ui.inDialog([](QDialog& search) {
        QTest::keyClicks(&test::child<QLineEdit>(search, "txtTitle"), "*t*");
        test::click(search, "cmdSearch");
        return search.result();
    });
    trigger("mnuSearchTitle");
    ASSERT_EQ(listedTitles(), (QStringList{"Heat", "The Matrix"}));

    typeFilter("reeves");
    EXPECT_EQ(listedTitles(), QStringList{"The Matrix"});
    EXPECT_EQ(countText(), "Movies on file: 1 of 2");
    typeFilter("tautou");
    EXPECT_EQ(listedTitles(), QStringList{}) << "a movie the search left out stays out";
    EXPECT_EQ(countText(), "Movies on file: 0 of 2");
    EXPECT_EQ(shownTitle(), "");

    const size_t exchanged = ui.exchanges().size();
    QTest::keyClick(&filter(), Qt::Key_Escape);
    EXPECT_EQ(filter().text(), "");
    EXPECT_EQ(listedTitles(), (QStringList{"Heat", "The Matrix"}));
    EXPECT_EQ(countText(), "Movies on file: 2");
    EXPECT_TRUE(find<QLabel>("lblClearSearch")->isVisible()) << "the search is still on";
    QTest::keyClick(&filter(), Qt::Key_Escape);  // on an empty line too
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &filter());
    EXPECT_TRUE(ui.scriptUsedUp());
    EXPECT_EQ(ui.exchanges().size(), exchanged) << "nothing asked, nothing closed";
}

TEST_F(FilterLineTest, TakesAnyTextLiterally) {
    for (const char* title :
         {"100% Pure", "Under_score", "It's", "Say \"Hi\"", "Star*Wars", "Plain"})
        addMovie(title);
    openWindow();
    const std::pair<QString, QStringList> cases[] = {
        {"%", {"100% Pure"}},       {"_", {"Under_score"}}, {"'", {"It's"}},
        {"\"hi\"", {"Say \"Hi\""}}, {"*", {"Star*Wars"}},   {"?", {}},
        {"r*w", {"Star*Wars"}},     {"' OR 1=1 --", {}},    {"\\", {}},
    };
    for (const auto& [typed, titles] : cases) {
        typeFilter(typed);
        EXPECT_EQ(listedTitles(), titles) << typed.toStdString();
    }

    // A paste of ten thousand characters: one word no movie holds.
    const QString pasted = QString(9990, u'x') + QStringLiteral("%_*'\"plain");
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(&window(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(&filter(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(filter().text(), pasted);
    EXPECT_EQ(listedTitles(), QStringList{});
    EXPECT_EQ(countText(), "Movies on file: 0 of 6");
    QTest::keyClick(&filter(), Qt::Key_Escape);
    EXPECT_EQ(listedTitles().size(), 6);
    EXPECT_EQ(connection().scalar("SELECT COUNT(*) FROM [Movie]").toInt(), 6);
    EXPECT_TRUE(ui.exchanges().empty());
}

TEST_F(FilterLineTest, FindsASavedMovieByItsNewTextsAndShowsAnAddedMovie) {
    addFourMovies();
    openWindow();
    typeFilter("heat");
    ASSERT_EQ(shownTitle(), "Heat");
    type("txtDirector", "Michael Mann");
    click("cmdSaveChanges");
    typeFilter("mann");
    EXPECT_EQ(listedTitles(), QStringList{"Heat"}) << "the index follows the save";
    typeFilter("jeunet");
    ASSERT_EQ(shownTitle(), "Amélie");

    // Typing while the shown movie has edits saves them first.
    type("txtProducer", "Claudie Ossard");
    typeFilter("ossard");
    EXPECT_EQ(listedTitles(), QStringList{"Amélie"});
    EXPECT_FALSE(window().AnyChanges());

    // A new movie the filter would hide is shown: the filter gives way.
    trigger("mnuFileAddMovie");
    EXPECT_EQ(filter().text(), "");
    EXPECT_EQ(shownTitle(), "New Movie");
    EXPECT_EQ(countText(), "Movies on file: 5");
}

// The model narrowed and widened again under the item model checker, with its selection kept.
TEST(MovieListModel, FiltersWithoutLosingItsRowsOrTheirOrder) {
    ui::MovieListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setRows({{1, "Alien", "", "", "", 0, 0, 0},
                   {2, "Brazil", "", "", "", 0, 0, 0},
                   {3, "Casablanca", "", "", "", 0, 0, 0}},
                  ui::MovieListModel::Title, Qt::AscendingOrder);
    std::vector<char> kept(4, 0);
    kept[1] = kept[3] = 1;
    model.setFilter(kept);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.movieAt(1).title, "Casablanca");
    EXPECT_EQ(model.rowOfMovie(2), -1);
    const QPersistentModelIndex casablanca = model.index(1, 0);
    model.sort(ui::MovieListModel::Title, Qt::DescendingOrder);
    EXPECT_EQ(casablanca.row(), 0);
    model.updateMovie({2, "Zulu", "", "", "", 0, 0, 0});
    model.setFilter({});
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.movieAt(2).title, "Alien");
    EXPECT_EQ(model.movieAt(1).title, "Zulu") << "a hidden movie's rewrite is kept";
    EXPECT_EQ(model.movieCount(), 3);
}

class ListReadingOrder : public test::MainWindowTest,
                         public testing::WithParamInterface<test::ReadingOrderCase> {};

TEST_P(ListReadingOrder, TitlesAreListedAsTheLanguageReadsThem) {
    test::ReadingLocale language(GetParam().locale);
    for (const QString& title : test::NamesToOrder)
        addMovie(title);
    openWindow();
    EXPECT_EQ(listedTitles(), GetParam().order);
    QHeaderView* header = window().movieList().horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(ui::MovieListModel::Title) + 5,
                             header->height() / 2));
    QStringList reversed = GetParam().order;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(listedTitles(), reversed);
}

INSTANTIATE_TEST_SUITE_P(Languages, ListReadingOrder, testing::ValuesIn(test::ReadingOrderCases));

// Plain ASCII titles are ordered by their characters' places, the others by the collator's keys:
// together they must give the collator's own order and its ties, in languages with and without
// letter pairs of their own.
TEST(ReadingRanks, AgreeWithTheCollatorOnEveryPair) {
    const QStringList titles = {"Ocean's Eleven",
                                "Spider-Man",
                                "Mr. Smith",
                                "mr smith",
                                "M*A*S*H",
                                "1984",
                                " Leading",
                                "Zoë",
                                "zoe",
                                "ZOE",
                                "Ça",
                                "ca",
                                "cb",
                                "chata",
                                "hrad",
                                "Ñandú",
                                "Nelson",
                                "nandu",
                                "a_b",
                                "a-b"};
    for (const char* locale : {"de_DE", "es_ES", "cs_CZ", "C"}) {
        test::ReadingLocale language(locale);
        std::vector<size_t> order;
        const std::vector<int> ranks = ui::ReadingRanks(
            size_t(titles.size()), [&](size_t i) -> const QString& { return titles[qsizetype(i)]; },
            &order);
        for (qsizetype a = 0; a < titles.size(); ++a)
            for (qsizetype b = 0; b < titles.size(); ++b) {
                const int told = db::ReadingCollator().compare(titles[a], titles[b]);
                const int ranked = ranks[size_t(a)] - ranks[size_t(b)];
                EXPECT_EQ(told < 0, ranked < 0) << locale << ": " << titles[a].toStdString()
                                                << " / " << titles[b].toStdString();
                EXPECT_EQ(told == 0, ranked == 0) << locale << ": " << titles[a].toStdString()
                                                  << " / " << titles[b].toStdString();
            }
        for (size_t i = 1; i < order.size(); ++i)
            EXPECT_LE(ranks[order[i - 1]], ranks[order[i]]) << locale;
    }
    test::ReadingLocale czech("cs_CZ");
    EXPECT_EQ(db::PlainReadingPlaces(), nullptr) << "ch is a letter of its own in Czech";
    test::ReadingLocale spanish("es_ES");
    ASSERT_NE(db::PlainReadingPlaces(), nullptr);
    EXPECT_EQ(db::PlainReadingPlaces()->letter[u'ñ'], 0) << "ñ is a letter of its own";
    EXPECT_EQ(db::PlainReadingPlaces()->letter[u'é'], db::PlainReadingPlaces()->letter[u'e']);
}

}  // namespace
