#include "report/LabelCheckReport.h"

#include "db/LabelNumbers.h"
#include "report/ReportFont.h"
#include "report/ReportValues.h"
#include "report/SpoolWriter.h"

#include <QCoreApplication>

namespace report {

QString clsReportLabelCheck::Name() const {
    return QCoreApplication::translate("report::LabelCheckReport", "Label Number Check");
}

void clsReportLabelCheck::PrintHeading() {
    writer_.PrintPageHeading();
    SetStyle(NormalStyle);
    writer_.SetTab(1, 0.1, static_cast<int>(Alignment::Left));
    writer_.SetTab(2, 2.5, static_cast<int>(Alignment::Left));
    writer_.NewLine();
}

void clsReportLabelCheck::printSectionTitle(const QString& title) {
    writer_.NewLine();
    SetStyle(BoldStyle);
    writer_.PrintText(title, 1);
    SetStyle(NormalStyle);
    writer_.NewLine();
}

void clsReportLabelCheck::printLine(const QString& first, const QString& second) {
    writer_.NewLine();
    if (!first.isEmpty())
        writer_.PrintText(first, 1);
    if (!second.isEmpty())
        writer_.PrintText(second, 2);
}

void clsReportLabelCheck::PrintReport() {
    writer_.BeginReport(*this);
    const db::LabelCheck check = db::CheckLabelNumbers(connection_);

    printSectionTitle(
        QCoreApplication::translate("report::LabelCheckReport", "Labels on more than one movie: %1")
            .arg(CountText(qint64(check.duplicates.size()))));
    if (check.duplicates.empty())
        printLine(QCoreApplication::translate("report::LabelCheckReport",
                                              "No label is on more than one movie."));
    for (const db::LabelCheck::Duplicate& duplicate : check.duplicates) {
        if (writer_.cancelled())
            break;
        // The label once, beside the first of its titles.
        for (qsizetype i = 0; i < duplicate.titles.size(); ++i)
            printLine(i == 0 ? duplicate.label : QString(), duplicate.titles[i]);
    }

    writer_.NewLine();
    printSectionTitle(
        QCoreApplication::translate("report::LabelCheckReport", "Gaps in the numbers: %1")
            .arg(CountText(qint64(check.gaps.size()))));
    if (check.gaps.empty())
        printLine(QCoreApplication::translate("report::LabelCheckReport",
                                              "No label numbers are missing."));
    for (const db::LabelCheck::Gap& gap : check.gaps) {
        if (writer_.cancelled())
            break;
        printLine(
            gap.first,
            gap.first == gap.last
                ? QString()
                : QCoreApplication::translate("report::LabelCheckReport", "to %1").arg(gap.last));
    }
    writer_.EndReport();
}

}  // namespace report
