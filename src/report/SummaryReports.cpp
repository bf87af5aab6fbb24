#include "report/SummaryReports.h"

#include "db/Connection.h"
#include "db/Genres.h"
#include "db/StoredDate.h"
#include "report/MovieRows.h"
#include "report/ReportFont.h"
#include "report/ReportValues.h"
#include "report/SpoolWriter.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace report {

namespace {

constexpr Alignment L = Alignment::Left;
constexpr Alignment R = Alignment::Right;

const QString CostQuery = QStringLiteral(
    "SELECT [Title], [AcquireDate], [LabelNumber], [Cost] FROM [Movie] "
    "WHERE [Cost] IS NOT NULL AND [Cost] <> 0 ORDER BY [Title] COLLATE READING_ORDER");
const QString LentQuery = QStringLiteral(
    "SELECT m.[Title], m.[LentTo], m.[LentDate] FROM [Movie] AS m "
    "WHERE [LentTo] IS NOT NULL OR [LentDate] IS NOT NULL ORDER BY m.[Title] COLLATE "
    "READING_ORDER");
// Locations are grouped by their exact names: the second key keeps names that differ only in
// letter case apart, so that each forms one group.
const QString InventoryEnding = QStringLiteral(
    " ORDER BY l.[Name] COLLATE READING_ORDER, l.[Name] COLLATE BINARY, "
    "m.[Title] COLLATE READING_ORDER");

// The sum of the costs, exact; an amount beyond what the currency type holds ends it, and the
// total is then said in words rather than wrapped round.
class CostTotal {
public:
    void add(double cost) {
        const std::optional<db::Currency> amount = CurrencyOf(cost);
        qint64 sum = 0;
        if (tooLarge_ || !amount ||
            __builtin_add_overflow(total_.tenThousandths(), amount->tenThousandths(), &sum))
            tooLarge_ = true;
        else
            total_ = db::Currency::fromTenThousandths(sum);
    }
    QString text() const {
        return tooLarge_
                   ? QCoreApplication::translate("report::SummaryReports", "Too large to add up")
                   : CurrencyText(total_);
    }

private:
    db::Currency total_;
    bool tooLarge_ = false;
};

}  // namespace

QString clsReportCost::Name() const {
    return QCoreApplication::translate("report::SummaryReports", "Movie Cost Report");
}

QString clsReportInventory::Name() const {
    return QCoreApplication::translate("report::SummaryReports", "Inventory by Location");
}

QString clsReportLent::Name() const {
    return QCoreApplication::translate("report::SummaryReports", "Movies Lent Out");
}

void clsReportCost::PrintHeading() {
    PrintColumnHeading({{1, 0.1, L}, {2, 2.25, L}, {4, 4.0, L}, {5, 5.25, L}, {6, 6.0, R}},
                       {{QCoreApplication::translate("report::SummaryReports", "Title"), 1},
                        {QCoreApplication::translate("report::SummaryReports", "Acquired"), 2},
                        {QCoreApplication::translate("report::SummaryReports", "Label #"), 4},
                        {QCoreApplication::translate("report::SummaryReports", "Amount"), 6}});
}

void clsReportCost::PrintReport() {
    writer_.BeginReport(*this);
    QSqlQuery rows = connection_.query(CostQuery);
    if (!rows.next()) {
        writer_.NewLine();
        writer_.PrintWholeText(
            QCoreApplication::translate("report::SummaryReports", "No movies found with a cost."),
            1);
        writer_.EndReport();
        return;
    }
    CostTotal total;
    qint64 count = 0;
    do {
        const double cost = rows.value(3).toDouble();
        writer_.NewLine();
        writer_.PrintText(rows.value(0).toString(), 1);
        writer_.PrintText(DateText(rows.value(1)), 2);
        writer_.PrintText(rows.value(2).toString(), 4);
        writer_.PrintText(CurrencyText(cost), 6);
        total.add(cost);
        ++count;
    } while (!writer_.cancelled() && rows.next());
    writer_.NewLine();
    writer_.NewLine();
    // A short rule over the total, across the amount column.
    writer_.PrintLineAbove(5, 0.75, 1);
    SetStyle(BoldStyle);
    writer_.PrintText(total.text(), 6);
    SetStyle(NormalStyle);
    PrintCount(
        QCoreApplication::translate("report::SummaryReports", "Movie count (that have a cost): %1"),
        count);
    writer_.EndReport();
}

void clsReportInventory::PrintHeading() {
    PrintColumnHeading(
        {{1, 0.1, L}, {2, 2.5, L}, {3, 3.4, L}, {4, 3.5, L}, {5, 4.8, R}, {6, 5.1, L}, {7, 5.8, L}},
        {{QCoreApplication::translate("report::SummaryReports", "Title"), 1},
         {QCoreApplication::translate("report::SummaryReports", "Genre"), 2},
         {QCoreApplication::translate("report::SummaryReports", "Rating"), 4},
         {QCoreApplication::translate("report::SummaryReports", "Minutes"), 5},
         {QCoreApplication::translate("report::SummaryReports", "Media"), 6},
         {QCoreApplication::translate("report::SummaryReports", "Label #"), 7}});
}

void clsReportInventory::PrintReport() {
    writer_.BeginReport(*this);
    genres_ = db::GetAllGenreTexts(connection_);
    MovieRows rows(connection_, InventoryEnding);
    qint64 count = 0;
    if (!rows.next()) {
        writer_.NewLine();
        writer_.PrintWholeText(
            QCoreApplication::translate("report::SummaryReports", "No movies found."), 1);
    }
    // Each location: its bold name, an empty line, its movies and an empty line.
    while (!rows.atEnd() && !writer_.cancelled()) {
        const QString location = rows.row().locationName;
        writer_.NewLine();
        SetStyle(BoldStyle);
        writer_.PrintText(location, 1);
        SetStyle(NormalStyle);
        writer_.NewLine();
        for (; !rows.atEnd() && !writer_.cancelled() && rows.row().locationName == location;
             rows.next()) {
            const MovieRow& movie = rows.row();
            writer_.NewLine();
            writer_.PrintText(movie.title, 1);
            writer_.PrintText(genres_.value(movie.movieId, QString::fromLatin1(db::NoGenreText)),
                              2);
            writer_.PrintText(movie.ratingName, 4);
            writer_.PrintText(QString::number(movie.minutes), 5);
            writer_.PrintText(movie.mediaName, 6);
            writer_.PrintText(movie.labelNumber, 7);
            ++count;
        }
        writer_.NewLine();
    }
    PrintCount(QCoreApplication::translate("report::SummaryReports", "Movie count: %1"), count);
    writer_.EndReport();
}

void clsReportLent::PrintHeading() {
    PrintColumnHeading({{1, 0.1, L}, {2, 2.5, L}, {3, 4.5, R}},
                       {{QCoreApplication::translate("report::SummaryReports", "Title"), 1},
                        {QCoreApplication::translate("report::SummaryReports", "Lent To"), 2},
                        {QCoreApplication::translate("report::SummaryReports", "Lent Date"), 3}});
}

void clsReportLent::PrintReport() {
    writer_.BeginReport(*this);
    QSqlQuery rows = connection_.query(LentQuery);
    qint64 count = 0;
    while (!writer_.cancelled() && rows.next()) {
        const QString lentTo = rows.value(1).toString();
        const QString lentDate = DateText(rows.value(2));
        // A name of blanks and the empty date do not make a movie lent.
        if (lentTo.trimmed().isEmpty() && lentDate.isEmpty())
            continue;
        ++count;
        writer_.NewLine();
        writer_.PrintText(rows.value(0).toString(), 1);
        writer_.PrintText(lentTo, 2);
        if (!lentDate.isEmpty())
            writer_.PrintText(lentDate, 3);
    }
    if (count > 0) {
        PrintCount(
            QCoreApplication::translate("report::SummaryReports", "Movie count (lent out): %1"),
            count);
    } else {
        writer_.NewLine();
        writer_.PrintWholeText(
            QCoreApplication::translate("report::SummaryReports", "No movies are lent out."), 1);
    }
    writer_.EndReport();
}

}  // namespace report
