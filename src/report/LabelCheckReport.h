#pragma once

#include "report/CatalogueReport.h"

namespace report {

// Tools > Check label numbers: the labels more than one movie carries, with their titles, and
// the numbers missing from each prefix's sequence.
class clsReportLabelCheck final : public CatalogueReport {
public:
    clsReportLabelCheck(SpoolWriter& writer, db::Connection& connection)
        : CatalogueReport(writer, connection) {}

    QString Name() const override;
    void PrintReport() override;
    void PrintHeading() override;

private:
    void printSectionTitle(const QString& title);
    void printLine(const QString& first, const QString& second = {});
};

}  // namespace report
