#pragma once

#include "report/CatalogueReport.h"

#include <QHash>

namespace report {

// What the movies cost, by title, with their total.
class clsReportCost final : public CatalogueReport {
public:
    clsReportCost(SpoolWriter& writer, db::Connection& connection)
        : CatalogueReport(writer, connection) {}

    QString Name() const override;
    void PrintReport() override;
    void PrintHeading() override;
};

// The movies under their storage locations, each location a group.
class clsReportInventory final : public CatalogueReport {
public:
    clsReportInventory(SpoolWriter& writer, db::Connection& connection)
        : CatalogueReport(writer, connection) {}

    QString Name() const override;
    void PrintReport() override;
    void PrintHeading() override;

private:
    QHash<int, QString> genres_;
};

// The movies lent out: to whom and since when.
class clsReportLent final : public CatalogueReport {
public:
    clsReportLent(SpoolWriter& writer, db::Connection& connection)
        : CatalogueReport(writer, connection) {}

    QString Name() const override;
    void PrintReport() override;
    void PrintHeading() override;
};

}  // namespace report
