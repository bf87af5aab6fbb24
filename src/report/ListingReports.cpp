#include "report/ListingReports.h"

#include "db/Genres.h"
#include "report/MovieRows.h"
#include "report/ReportFont.h"
#include "report/ReportValues.h"
#include "report/SpoolWriter.h"

#include <QCoreApplication>
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
    QString name;
    QString label;  // the group's name is its %1
    const char* ending;
};

// Names, titles and labels in the order the program shows them everywhere: letter case ignored
// for every letter.
const QString ByLocation =
    QStringLiteral(" ORDER BY l.[Name] COLLATE READING_ORDER, m.[Title] COLLATE READING_ORDER");
const QString ByLabel = QStringLiteral(
    " ORDER BY m.[LabelNumber] COLLATE UNICODE_NOCASE, m.[Title] COLLATE READING_ORDER");

// The id after the name keeps a group whole where two ratings share a name.
GroupTerms termsOf(ListingGroup group) {
    if (group == ListingGroup::Rating)
        return {
            QCoreApplication::translate("report::ListingReports", "Movie Listing by Rating"),
            QCoreApplication::translate("report::ListingReports", "Rating: %1"),
            " WHERE m.[RatingId] IN (%1) ORDER BY r.[Name] COLLATE READING_ORDER, r.[RatingId], "
            "m.[Title] COLLATE READING_ORDER"};
    return {QCoreApplication::translate("report::ListingReports", "Movie Listing by Media"),
            QCoreApplication::translate("report::ListingReports", "Media: %1"),
            " WHERE m.[MediaId] IN (%1) ORDER BY mm.[Name] COLLATE READING_ORDER, mm.[MediaId], "
            "m.[Title] COLLATE READING_ORDER"};
}

// The heading over a field's column.
QString titleOf(ColumnListing::Field field) {
    switch (field) {
        case ColumnListing::Field::Title:
            return QCoreApplication::translate("report::ListingReports", "Title");
        case ColumnListing::Field::LabelNumber:
            return QCoreApplication::translate("report::ListingReports", "Label #");
        case ColumnListing::Field::Stars:
            return QCoreApplication::translate("report::ListingReports", "Stars");
        case ColumnListing::Field::Genre:
            return QCoreApplication::translate("report::ListingReports", "Genre");
        case ColumnListing::Field::Location:
            return QCoreApplication::translate("report::ListingReports", "Location");
        case ColumnListing::Field::Rating:
            return QCoreApplication::translate("report::ListingReports", "Rating");
        case ColumnListing::Field::Media:
            return QCoreApplication::translate("report::ListingReports", "Media");
        case ColumnListing::Field::Minutes:
            return QCoreApplication::translate("report::ListingReports", "Min.");
    }
    return QString();
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
        titles.push_back({titleOf(column.field), column.tab});
    PrintColumnHeading(layout_.tabs, titles);
}

void ColumnListing::PrintReport() {
    writer_.BeginReport(*this);
    count_ = 0;
    genres_ = db::GetAllGenreTexts(connection_);
    MovieRows rows(connection_, ending_);
    if (!rows.next()) {
        writer_.NewLine();
        writer_.PrintWholeText(
            QCoreApplication::translate("report::ListingReports", "No movies found."), 1);
    } else {
        printRows(rows);
        PrintCount(QCoreApplication::translate("report::ListingReports", "Movie count: %1"),
                   count_);
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
        writer_.PrintText(value(row, column.field), column.tab);
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
    : ColumnListing(writer, connection,
                    QCoreApplication::translate("report::ListingReports", "Movie Listing"),
                    ByLocation,
                    {{{1, 0.1, L},
                      {2, 3.0, R},
                      {3, 3.2, L},
                      {4, 4.2, L},
                      {5, 4.3, L},
                      {6, 5.6, L},
                      {7, 6.2, L},
                      {8, 6.8, L}},
                     {{Field::Title, 1},
                      {Field::Stars, 2},
                      {Field::Genre, 3},
                      {Field::Location, 5},
                      {Field::Rating, 6},
                      {Field::Media, 7},
                      {Field::Minutes, 8}}}) {}

clsReportListLabelNumber::clsReportListLabelNumber(SpoolWriter& writer, db::Connection& connection)
    : ColumnListing(
          writer, connection,
          QCoreApplication::translate("report::ListingReports", "Movie Listing by Label #"),
          ByLabel,
          {{{1, 0.1, L},
            {2, 1.0, L},
            {3, 3.0, R},
            {4, 3.2, L},
            {5, 4.2, L},
            {6, 4.3, L},
            {7, 5.6, L},
            {8, 6.2, L},
            {9, 6.8, L}},
           {{Field::LabelNumber, 1},
            {Field::Title, 2},
            {Field::Stars, 3},
            {Field::Genre, 4},
            {Field::Location, 6},
            {Field::Rating, 7},
            {Field::Media, 8},
            {Field::Minutes, 9}}}) {}

GroupedListing::GroupedListing(SpoolWriter& writer, db::Connection& connection, ListingGroup group,
                               const QList<int>& ids)
    : ColumnListing(writer, connection, termsOf(group).name,
                    QString::fromLatin1(termsOf(group).ending).arg(idList(ids)),
                    {GroupedTabs,
                     {{Field::Title, 1},
                      {Field::LabelNumber, 2},
                      {Field::Stars, 3},
                      {Field::Genre, 4},
                      {Field::Location, 6},
                      {Field::Rating, 7},
                      {Field::Media, 8},
                      {Field::Minutes, 9}}}),
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
        writer_.PrintText(termsOf(group_).label.arg(byRating ? first.ratingName : first.mediaName),
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
