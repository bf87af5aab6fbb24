#include "db/Movies.h"
#include "db/StoredDate.h"
#include "report/DetailedReport.h"
#include "report/ListingReports.h"
#include "report/ReportFont.h"
#include "report/RunReport.h"
#include "report/SummaryReports.h"
#include "support/QtPrinting.h"
#include "support/ReadingOrderCases.h"
#include "support/ScriptedReport.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>
#include <QLocale>

namespace {

using Texts = std::initializer_list<std::pair<QString, int>>;

// "/TEXT" commands with their texts and tabs.
QStringList T(Texts texts) {
    QStringList lines;
    for (const auto& [text, tab] : texts)
        lines << "/TEXT" << text << QString::number(tab);
    return lines;
}

// A row: "/CR", then the texts at the tabs, in order.
QStringList Row(const QStringList& texts, const QList<int>& tabs) {
    QStringList lines{"/CR"};
    for (qsizetype column = 0; column < texts.size(); ++column)
        lines << "/TEXT" << texts[column] << QString::number(tabs[column]);
    return lines;
}

// "/SETTAB" commands from triples of tab, position and alignment, given as "1 0.1 1, 2 3 3".
QStringList Tabs(const QString& triples) {
    QStringList lines;
    for (const QString& triple : triples.split(QStringLiteral(", ")))
        lines << "/SETTAB" << triple.split(u' ');
    return lines;
}

// The heading of the reports in columns, after the page heading.
QStringList ColumnHeading(const QString& tabs, const QStringList& titles,
                          const QList<int>& titleTabs) {
    return QStringList{"/NORMAL"} + Tabs(tabs) + QStringList{"/CR", "/BOLD"} +
           Row(titles, titleTabs).mid(1) +
           QStringList{"/NORMAL", "/BOX", "0.1", "0.85", "7.8", "0.85", "1", "/CR"};
}

const QString CR = QStringLiteral("/CR");
const QString LongTitle = QStringLiteral("The Adventures of a Title Far Too Long for Its Column");
const QString LongNotes =
    QStringLiteral("A note long enough to wrap inside its column more than once, we hope");

// The longest beginning of the text no wider than the column: shortened a letter at a time
// from the end, as the writer is described to cut.
QString Cut(const QString& text, double inches) {
    report::ScreenMetrics metrics;
    QString kept = text;
    while (!kept.isEmpty() && metrics.width(kept) > inches * 1440)
        kept.chop(1);
    return kept;
}

class ReportsTest : public testing::Test {
protected:
    ReportsTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        files.open();
        writer.setDatabaseName(QStringLiteral("KIB"));
        // Two locations whose names differ only in letter case.
        shelf =
            int(connection().insert(QStringLiteral("INSERT INTO [Location] ([Name]) "
                                                   "VALUES ('shelf')")));
        Shelf =
            int(connection().insert(QStringLiteral("INSERT INTO [Location] ([Name]) "
                                                   "VALUES ('Shelf')")));
        alien = add(QStringLiteral("Alien"), [this](db::MovieRecord& movie) {
            movie.genreIds = QStringLiteral("9");
            movie.locationId = Shelf;
            movie.labelNumber = QStringLiteral("A-1");
            movie.director = QStringLiteral("Ridley Scott");
            movie.minutes = 117;
            movie.releaseYear = 1979;
            movie.stars = 4.5;
            movie.acquireDate = db::CatalogueDateTime(QDate(2004, 3, 15));
            movie.cost = db::Currency::fromTenThousandths(125000);
            movie.lentDate = db::CatalogueDateTime(QDate(2020, 1, 2));
            movie.notes = QStringLiteral("Line one\nline two");
        });
        db::SetMovieCast(connection(), alien, {"Sigourney Weaver", "Harrison Ford"});
        add(QStringLiteral("Brazil"), [this](db::MovieRecord& movie) {
            movie.locationId = shelf;
            movie.mediaId = 2;
            movie.labelNumber = QStringLiteral("B-2");
            movie.minutes = 142;
            movie.releaseYear = 1985;
            movie.stars = 4;
            movie.lentTo = QStringLiteral("Ann");
        });
        add(LongTitle, [](db::MovieRecord& movie) {
            movie.genreIds = QStringLiteral("4");
            movie.locationId = 2;
            movie.ratingId = 3;
            movie.labelNumber = QStringLiteral("C-3");
            movie.minutes = 100;
            movie.releaseYear = 2001;
            movie.stars = 3.5;
            movie.cost = db::Currency::fromTenThousandths(5000);
            movie.lentTo = QStringLiteral("   ");
            movie.notes = LongNotes;
        });
    }
    ~ReportsTest() override { QLocale::setDefault(QLocale::c()); }

    db::Connection& connection() { return files.connection(); }

    int add(const QString& title, const std::function<void(db::MovieRecord&)>& fill) {
        db::MovieRecord movie;
        movie.title = title;
        movie.locationId = 2;
        movie.mediaId = 3;
        movie.ratingId = 5;
        fill(movie);
        return db::InsertMovie(connection(), movie);
    }

    // What the report wrote after the standard page heading of its first page.
    QStringList body(report::Report& made) {
        const QStringList lines = test::SpoolFileLines(*report::RunReport(made, writer));
        const qsizetype start = lines.indexOf(QStringLiteral("/RESETTABS"),
                                              lines.indexOf(QStringLiteral("/RESETTABS")) + 1) +
                                1;
        return lines.mid(start, lines.indexOf(QStringLiteral("/ENDOFREPORT")) - start);
    }

    // The rows below the column heading's rule.
    static QStringList afterHeading(const QStringList& lines) {
        return lines.mid(lines.indexOf(QStringLiteral("/BOX")) + 7);
    }

    test::TestCatalogue files;
    report::SpoolWriter writer{files.folder() + QStringLiteral("/Temp")};
    int shelf = 0;
    int Shelf = 0;
    int alien = 0;
};

const QList<int> ListTabs = {1, 2, 3, 5, 6, 7, 8};
const QList<int> GroupedTabs = {1, 2, 3, 4, 6, 7, 8, 9};
const QStringList Alien = {"Alien", "A-1", "4.5", "Horror", "Shelf", "R", "DVD", "117"};
const QStringList Brazil = {"Brazil", "B-2", "4.0", "(none)", "shelf", "R", "VHS", "142"};

// A grouped listing's column values without the label number.
QStringList WithoutLabel(QStringList values) {
    values.removeAt(1);
    return values;
}

TEST_F(ReportsTest, TheMovieListingIsOneLineAMovieByLocationThenTitle) {
    report::clsReportList list(writer, connection());
    EXPECT_EQ(list.Name(), "Movie Listing");
    const QStringList expected =
        ColumnHeading("1 0.1 1, 2 3 3, 3 3.2 1, 4 4.2 1, 5 4.3 1, 6 5.6 1, 7 6.2 1, 8 6.8 1",
                      {"Title", "Stars", "Genre", "Location", "Rating", "Media", "Min."},
                      ListTabs) +
        Row({Cut(LongTitle, 2.15), "3.5", "Comedy", "Living Room", "PG", "DVD", "100"}, ListTabs) +
        Row(WithoutLabel(Alien), ListTabs) + Row(WithoutLabel(Brazil), ListTabs) +
        QStringList{CR, CR} + T({{"Movie count: 3", 1}});
    EXPECT_EQ(body(list), expected);
}

TEST_F(ReportsTest, TheListingByRatingGroupsTheChosenRatingsThatHaveMovies) {
    // PG and R have movies, NC-17 has none.
    report::clsReportRating byRating(writer, connection(), {3, 5, 6});
    auto group = [](const QString& name) {
        return QStringList{CR, "/BOLD"} + T({{name, 1}}) + QStringList{"/NORMAL", CR};
    };
    const QStringList expected =
        group("Rating: PG") +
        Row({Cut(LongTitle, 1.9), "C-3", "3.5", "Comedy", "Living Room", "PG", "DVD", "100"},
            GroupedTabs) +
        QStringList{CR} + group("Rating: R") + Row(Alien, GroupedTabs) + Row(Brazil, GroupedTabs) +
        QStringList{CR, CR, CR} + T({{"Movie count: 3", 1}});
    EXPECT_EQ(afterHeading(body(byRating)), expected);

    report::clsReportMedia none(writer, connection(), {4});  // LaserDisc: no movie
    EXPECT_EQ(afterHeading(body(none)), QStringList{CR} + T({{"No movies found.", 1}}));
}

TEST_F(ReportsTest, TheDetailedListingIsABlockAMovieWithItsCastAndWrappedNotes) {
    report::clsReportDetailed detailed(writer, connection());
    const QStringList lines = body(detailed);
    const QStringList heading = QStringList{"/BOX", "0.1", "0.85", "7.8", "0.85", "1"} +
                                Tabs("1 0.1 1, 2 0.9 1, 3 3.5 1, 4 4.3 1, 5 2.3 1, 6 2.9 1") +
                                QStringList{CR, CR};
    const QStringList alienBlock =
        Row({"Stars:", "4.5"}, {1, 2}) +
        Row({"Title:", "Alien", "Location:", "Shelf"}, {1, 2, 3, 4}) +
        Row({"Genres:", "Horror", "Label #:", "A-1"}, {1, 2, 3, 4}) +
        Row({"Media:", "DVD", "Minutes:", "117", "Acquired:", "03/15/2004"}, {1, 2, 5, 6, 3, 4}) +
        Row({"Rating:", "R", "Year:", "1979", "Cost:", "$12.50"}, {1, 2, 5, 6, 3, 4}) +
        Row({"Director:", "Ridley Scott", "Lent To:", ""}, {1, 2, 3, 4}) +
        Row({"Producer:", "", "Lent Date:", "01/02/2020"}, {1, 2, 3, 4}) +
        Row({"Actors:", "Harrison Ford"}, {1, 2}) + Row({"Sigourney Weaver"}, {2}) +
        Row({"Notes:"}, {1}) + QStringList{"/NORMAL"} + T({{"Line one line two", 2}}) +
        QStringList{"/NORMAL", CR};
    EXPECT_EQ(lines.mid(0, heading.size() + alienBlock.size()), heading + alienBlock);

    // Brazil: no acquisition date; no cast and no notes before the next block.
    const qsizetype brazil = lines.indexOf(QStringLiteral("Brazil"));
    const qsizetype acquired = lines.indexOf(QStringLiteral("Acquired:"), brazil);
    EXPECT_EQ(lines.mid(acquired + 1, 4), (QStringList{"3", "/TEXT", "", "4"}));
    const qsizetype lentDate = lines.indexOf(QStringLiteral("Lent Date:"), brazil);
    EXPECT_EQ(lines.mid(lentDate + 1, 8),
              (QStringList{"3", "/TEXT", "", "4", CR, CR, "/TEXT", "Stars:"}));

    // The long notes wrap inside their column, from 0.9 to 3.5 inches.
    const QString first = Cut(LongNotes, 2.6);
    const QString second = Cut(LongNotes.mid(first.size()), 2.6);
    const qsizetype notes = lines.lastIndexOf(QStringLiteral("Notes:"));
    const QStringList wrapped = QStringList{"/NORMAL"} + T({{first, 2}}) + Row({second}, {2});
    EXPECT_EQ(lines.mid(notes + 2, wrapped.size()), wrapped);
    const QStringList count = Tabs("2 4 1") + QStringList{CR, CR} + T({{"Movie count: 3", 1}});
    EXPECT_EQ(lines.mid(lines.size() - count.size()), count);
}

TEST_F(ReportsTest, TheCostReportTotalsExactlyUnderARuleAndSaysWhenTheTotalIsTooLarge) {
    report::clsReportCost cost(writer, connection());
    const QList<int> tabs = {1, 2, 4, 6};
    const QStringList expected = ColumnHeading("1 0.1 1, 2 2.25 1, 4 4 1, 5 5.25 1, 6 6 3",
                                               {"Title", "Acquired", "Label #", "Amount"}, tabs) +
                                 Row({"Alien", "03/15/2004", "A-1", "$12.50"}, tabs) +
                                 Row({Cut(LongTitle, 2.15), "", "C-3", "$0.50"}, tabs) +
                                 QStringList{CR, CR, "/LINEABOVE", "5", "0.75", "1", "/BOLD"} +
                                 T({{"$13.00", 6}}) + QStringList{"/NORMAL", CR, CR} +
                                 T({{"Movie count (that have a cost): 2", 1}});
    EXPECT_EQ(body(cost), expected);

    for (const char* title : {"Dear 1", "Dear 2"}) {
        add(QString::fromLatin1(title), [](db::MovieRecord& movie) {
            movie.cost = db::Currency::fromTenThousandths(9000000000000000000);
        });
    }
    report::clsReportCost tooMuch(writer, connection());
    const QStringList lines = body(tooMuch);
    EXPECT_TRUE(lines.contains(QStringLiteral("$900,000,000,000,000.00")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Too large to add up")));
}

TEST_F(ReportsTest, TheInventoryGroupsByTheExactLocationName) {
    report::clsReportInventory inventory(writer, connection());
    const QList<int> tabs = {1, 2, 4, 5, 6, 7};
    auto group = [](const QString& location) {
        return QStringList{CR, "/BOLD"} + T({{location, 1}}) + QStringList{"/NORMAL", CR};
    };
    const QStringList expected =
        ColumnHeading("1 0.1 1, 2 2.5 1, 3 3.4 1, 4 3.5 1, 5 4.8 3, 6 5.1 1, 7 5.8 1",
                      {"Title", "Genre", "Rating", "Minutes", "Media", "Label #"}, tabs) +
        group("Living Room") +
        Row({Cut(LongTitle, 2.4), "Comedy", "PG", "100", "DVD", "C-3"}, tabs) + QStringList{CR} +
        group("Shelf") + Row({"Alien", "Horror", "R", "117", "DVD", "A-1"}, tabs) +
        QStringList{CR} + group("shelf") +
        Row({"Brazil", "(none)", "R", "142", "VHS", "B-2"}, tabs) + QStringList{CR, CR, CR} +
        T({{"Movie count: 3", 1}});
    EXPECT_EQ(body(inventory), expected);
}

TEST_F(ReportsTest, TheLentReportListsANameOrADateButNotBlanksAndTheEmptyDate) {
    report::clsReportLent lent(writer, connection());
    const QStringList expected =
        ColumnHeading("1 0.1 1, 2 2.5 1, 3 4.5 3", {"Title", "Lent To", "Lent Date"}, {1, 2, 3}) +
        Row({"Alien", "", "01/02/2020"}, {1, 2, 3}) + Row({"Brazil", "Ann"}, {1, 2}) +
        QStringList{CR, CR} + T({{"Movie count (lent out): 2", 1}});
    EXPECT_EQ(body(lent), expected);

    connection().execute(QStringLiteral("UPDATE [Movie] SET [LentTo] = NULL, [LentDate] = ?"),
                         {QString::fromLatin1(db::EmptyDateText)});
    report::clsReportLent nothing(writer, connection());
    EXPECT_EQ(afterHeading(body(nothing)), QStringList{CR} + T({{"No movies are lent out.", 1}}));
}

class ReportReadingOrder : public ReportsTest,
                           public testing::WithParamInterface<test::ReadingOrderCase> {};

TEST_P(ReportReadingOrder, TitlesAreListedAsTheLanguageReadsThem) {
    test::ReadingLocale language(GetParam().locale);
    for (const QString& title : test::NamesToOrder)
        add(title, [this](db::MovieRecord& movie) { movie.locationId = Shelf; });
    report::clsReportList list(writer, connection());
    QStringList titles = body(list);
    titles.removeIf([](const QString& line) { return !test::NamesToOrder.contains(line); });
    EXPECT_EQ(titles, GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(Languages, ReportReadingOrder, testing::ValuesIn(test::ReadingOrderCases));

}  // namespace
