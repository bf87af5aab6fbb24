#include "report/CatalogueReport.h"

#include "report/ReportFont.h"
#include "report/ReportValues.h"
#include "report/SpoolWriter.h"

namespace report {

void CatalogueReport::SetStyle(int style) {
    writer_.SetFont(ReportFontSize, QString::fromLatin1(ReportFontName), style);
}

void CatalogueReport::PrintColumnHeading(const std::vector<Tab>& tabs,
                                         const std::vector<ColumnTitle>& titles) {
    writer_.PrintPageHeading();
    SetStyle(NormalStyle);
    for (const Tab& tab : tabs)
        writer_.SetTab(tab.tab, tab.position, static_cast<int>(tab.alignment));
    writer_.NewLine();
    SetStyle(BoldStyle);
    for (const ColumnTitle& title : titles)
        writer_.PrintText(title.text, title.tab);
    SetStyle(NormalStyle);
    writer_.PrintBox(0.1, 0.85, 7.8, 0.85, 1);
    writer_.NewLine();
}

void CatalogueReport::PrintCount(const QString& sentence, qint64 count) {
    writer_.NewLine();
    writer_.NewLine();
    writer_.PrintWholeText(sentence.arg(CountText(count)), 1);
}

}  // namespace report
