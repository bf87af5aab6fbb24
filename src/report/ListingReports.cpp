#include "report/ListingReports.h"

#include "db/Genres.h"
#include "report/MovieRows.h"
#include "report/ReportFont.h"
#include "report/ReportValues.h"
#include "report/SpoolWriter.h"

#include <QStringList>

namespace report {

namespace {

constexpr Alignment L = Alignment::Left;
constexpr Alignment R = Alignment::Right;

// The tabs and columns shared by the listings by rating and by media.
const std::vector<CatalogueReport::Tab> GroupedTabs = {{1, 0.1, L}, {2, 2.0, L}, {3, 3.5, R},
                                                       {4, 3.7, L}, {5, 4.7, L}, {6, 4.8, L},
                                                       {7, 6.1, L}, {8, 6.7, L}, {9, 7.3, L}};

struct GroupTerms {
    const char* name;
    const char* label;
    const char* ending;
};

// Names, titles and labels in the order the program shows them everywhere: letter case ignored
// for every letter.
const QString ByLocation =
    QStringLiteral(" ORDER BY l.[Name] COLLATE READING_ORDER, m.[Title] COLLATE READING_ORDER");
const QString ByLabel = QStringLiteral(
    " ORDER BY m.[LabelNumber] COLLATE UNICODE_NOCASE, m.[Title] COLLATE READING_ORDER");

// The id after the name keeps a group whole where two ratings share a name.
const GroupTerms& termsOf(ListingGroup group) {
    static const GroupTerms rating{
        "Movie Listing by Rating", "Rating: ",
        " WHERE m.[RatingId] IN (%1) ORDER BY r.[Name] COLLATE READING_ORDER, r.[RatingId], "
        "m.[Title] COLLATE READING_ORDER"};
    static const GroupTerms media{
        "Movie Listing by Media", "Media: ",
        " WHERE m.[MediaId] IN (%1) ORDER BY mm.[Name] COLLATE READING_ORDER, mm.[MediaId], "
        "m.[Title] COLLATE READING_ORDER"};
    return group == ListingGroup::Rating ? rating : media;
}

// An id list the program made from numbers; an empty one matches no movie.
QString idList(const QList<int>& ids) {
    QStringList numbers;
    for (int id : ids)
        numbers.append(QString::number(id));
    return numbers.isEmpty() ? QStringLiteral("0") : numbers.join(u',');
}

}  // namespace

ColumnListing::ColumnListing(SpoolWriter& writer, db::Connection& connection, QString name,
                             QString ending, Layout layout)
    : CatalogueReport(writer, connection),
      name_(std::move(name)),
      ending_(std::move(ending)),
      layout_(std::move(layout)) {}

void ColumnListing::PrintHeading() {
    std::vector<ColumnTitle> titles;
    for (const Column& column : layout_.columns)
        titles.push_back(column.title);
    PrintColumnHeading(layout_.tabs, titles);
}

void ColumnListing::PrintReport() {
    writer_.BeginReport(*this);
    count_ = 0;
    genres_ = db::GetAllGenreTexts(connection_);
    MovieRows rows(connection_, ending_);
    if (!rows.next()) {
        writer_.NewLine();
        writer_.PrintWholeText(QStringLiteral("No movies found."), 1);
    } else {
        printRows(rows);
        PrintCount(QStringLiteral("Movie count: "), count_);
    }
    writer_.EndReport();
}

void ColumnListing::printRows(MovieRows& rows) {
    while (!rows.atEnd() && !writer_.cancelled()) {
        printRow(rows.row());
        rows.next();
    }
}

void ColumnListing::printRow(const MovieRow& row) {
    writer_.NewLine();
    for (const Column& column : layout_.columns)
        writer_.PrintText(value(row, column.field), column.title.tab);
    ++count_;
}

QString ColumnListing::value(const MovieRow& row, Field field) const {
    switch (field) {
        case Field::Title:
            return row.title;
        case Field::LabelNumber:
            return row.labelNumber;
        case Field::Stars:
            return StarsText(row.stars);
        case Field::Genre:
            return genres_.value(row.movieId, QString::fromLatin1(db::NoGenreText));
        case Field::Location:
            return row.locationName;
        case Field::Rating:
            return row.ratingName;
        case Field::Media:
            return row.mediaName;
        case Field::Minutes:
            return QString::number(row.minutes);
    }
    return QString();
}

clsReportList::clsReportList(SpoolWriter& writer, db::Connection& connection)
    : ColumnListing(writer, connection, QStringLiteral("Movie Listing"), ByLocation,
                    {{{1, 0.1, L},
                      {2, 3.0, R},
                      {3, 3.2, L},
                      {4, 4.2, L},
                      {5, 4.3, L},
                      {6, 5.6, L},
                      {7, 6.2, L},
                      {8, 6.8, L}},
                     {{Field::Title, {"Title", 1}},
                      {Field::Stars, {"Stars", 2}},
                      {Field::Genre, {"Genre", 3}},
                      {Field::Location, {"Location", 5}},
                      {Field::Rating, {"Rating", 6}},
                      {Field::Media, {"Media", 7}},
                      {Field::Minutes, {"Min.", 8}}}}) {}

clsReportListLabelNumber::clsReportListLabelNumber(SpoolWriter& writer, db::Connection& connection)
    : ColumnListing(writer, connection, QStringLiteral("Movie Listing by Label #"), ByLabel,
                    {{{1, 0.1, L},
                      {2, 1.0, L},
                      {3, 3.0, R},
                      {4, 3.2, L},
                      {5, 4.2, L},
                      {6, 4.3, L},
                      {7, 5.6, L},
                      {8, 6.2, L},
                      {9, 6.8, L}},
                     {{Field::LabelNumber, {"Label #", 1}},
                      {Field::Title, {"Title", 2}},
                      {Field::Stars, {"Stars", 3}},
                      {Field::Genre, {"Genre", 4}},
                      {Field::Location, {"Location", 6}},
                      {Field::Rating, {"Rating", 7}},
                      {Field::Media, {"Media", 8}},
                      {Field::Minutes, {"Min.", 9}}}}) {}

GroupedListing::GroupedListing(SpoolWriter& writer, db::Connection& connection, ListingGroup group,
                               const QList<int>& ids)
    : ColumnListing(writer, connection, QString::fromLatin1(termsOf(group).name),
                    QString::fromLatin1(termsOf(group).ending).arg(idList(ids)),
                    {GroupedTabs,
                     {{Field::Title, {"Title", 1}},
                      {Field::LabelNumber, {"Label #", 2}},
                      {Field::Stars, {"Stars", 3}},
                      {Field::Genre, {"Genre", 4}},
                      {Field::Location, {"Location", 6}},
                      {Field::Rating, {"Rating", 7}},
                      {Field::Media, {"Media", 8}},
                      {Field::Minutes, {"Min.", 9}}}}),
      group_(group) {}

void GroupedListing::printRows(MovieRows& rows) {
    const bool byRating = group_ == ListingGroup::Rating;
    auto groupOf = [byRating](const MovieRow& row) {
        return byRating ? row.ratingId : row.mediaId;
    };
    // Each group: its bold name, an empty line, its movies and an empty line.
    while (!rows.atEnd() && !writer_.cancelled()) {
        const MovieRow& first = rows.row();
        const int group = groupOf(first);
        writer_.NewLine();
        writer_.PrintText(QString::fromLatin1(termsOf(group_).label) +
                              (byRating ? first.ratingName : first.mediaName),
                          1, BoldStyle);
        writer_.NewLine();
        while (!rows.atEnd() && !writer_.cancelled() && groupOf(rows.row()) == group) {
            printRow(rows.row());
            rows.next();
        }
        writer_.NewLine();
    }
}

}  // namespace report
