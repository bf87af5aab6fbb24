#include "report/ReportList.h"

#include "report/DetailedReport.h"
#include "report/ListingReports.h"
#include "report/SummaryReports.h"

#include <QCoreApplication>

namespace report {

const QList<ReportEntry>& ReportEntries() {
    static const QList<ReportEntry> entries = {
        {ReportKind::List, "list", QT_TRANSLATE_NOOP("report::ReportList", "Movie listing"), false},
        {ReportKind::Label, "label",
         QT_TRANSLATE_NOOP("report::ReportList", "Movie listing (by label #)"), false},
        {ReportKind::Rating, "rating",
         QT_TRANSLATE_NOOP("report::ReportList", "Movie listing (by rating)"), true},
        {ReportKind::Media, "media",
         QT_TRANSLATE_NOOP("report::ReportList", "Movie listing (by media)"), true},
        {ReportKind::Detailed, "detailed",
         QT_TRANSLATE_NOOP("report::ReportList", "Movie listing (detailed)"), false},
        {ReportKind::Inventory, "inventory",
         QT_TRANSLATE_NOOP("report::ReportList", "Inventory by location"), false},
        {ReportKind::Cost, "cost", QT_TRANSLATE_NOOP("report::ReportList", "Cost summary"), false},
        {ReportKind::Lent, "lent", QT_TRANSLATE_NOOP("report::ReportList", "Movies lent out"),
         false},
    };
    return entries;
}

std::optional<ReportEntry> FindReport(const QString& name) {
    QString plain = name.trimmed();
    plain.remove(u'&');
    while (plain.endsWith(u'.'))
        plain.chop(1);
    // Some languages set the menu's dots apart.
    plain = plain.trimmed();
    auto names = [&plain](const QString& text) {
        return plain.compare(text, Qt::CaseInsensitive) == 0;
    };
    // The menu as the user sees it, and as it reads in English, which scripts may hold.
    for (const ReportEntry& entry : ReportEntries())
        if (names(QLatin1String(entry.shortName)) || names(QLatin1String(entry.caption)) ||
            names(QCoreApplication::translate("report::ReportList", entry.caption)))
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
