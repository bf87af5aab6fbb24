#include "report/ReportList.h"

#include "report/DetailedReport.h"
#include "report/ListingReports.h"
#include "report/SummaryReports.h"

namespace report {

const QList<ReportEntry>& ReportEntries() {
    static const QList<ReportEntry> entries = {
        {ReportKind::List, "list", "Movie listing", false},
        {ReportKind::Label, "label", "Movie listing (by label #)", false},
        {ReportKind::Rating, "rating", "Movie listing (by rating)", true},
        {ReportKind::Media, "media", "Movie listing (by media)", true},
        {ReportKind::Detailed, "detailed", "Movie listing (detailed)", false},
        {ReportKind::Inventory, "inventory", "Inventory by location", false},
        {ReportKind::Cost, "cost", "Cost summary", false},
        {ReportKind::Lent, "lent", "Movies lent out", false},
    };
    return entries;
}

std::optional<ReportEntry> FindReport(const QString& name) {
    QString plain = name.trimmed();
    plain.remove(u'&');
    while (plain.endsWith(u'.'))
        plain.chop(1);
    for (const ReportEntry& entry : ReportEntries())
        if (plain.compare(QLatin1String(entry.shortName), Qt::CaseInsensitive) == 0 ||
            plain.compare(QLatin1String(entry.caption), Qt::CaseInsensitive) == 0)
            return entry;
    return std::nullopt;
}

std::unique_ptr<Report> MakeReport(ReportKind kind, SpoolWriter& writer, db::Connection& connection,
                                   const QList<int>& ids) {
    switch (kind) {
        case ReportKind::List:
            return std::make_unique<clsReportList>(writer, connection);
        case ReportKind::Label:
            return std::make_unique<clsReportListLabelNumber>(writer, connection);
        case ReportKind::Rating:
            return std::make_unique<clsReportRating>(writer, connection, ids);
        case ReportKind::Media:
            return std::make_unique<clsReportMedia>(writer, connection, ids);
        case ReportKind::Detailed:
            return std::make_unique<clsReportDetailed>(writer, connection);
        case ReportKind::Inventory:
            return std::make_unique<clsReportInventory>(writer, connection);
        case ReportKind::Cost:
            return std::make_unique<clsReportCost>(writer, connection);
        case ReportKind::Lent:
            return std::make_unique<clsReportLent>(writer, connection);
    }
    return nullptr;
}

}  // namespace report
