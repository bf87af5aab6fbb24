#pragma once

#include "report/Report.h"
#include "report/TabStops.h"

#include <vector>

namespace db {
class Connection;
}

namespace report {

class SpoolWriter;

// A report over the catalogue: letter portrait, unprotected, in "Times New Roman" 10 point.
class CatalogueReport : public Report {
public:
    struct Tab {
        int tab;
        double position;
        Alignment alignment;
    };
    struct ColumnTitle {
        QString text;  // in the user's language
        int tab;
    };

protected:
    CatalogueReport(SpoolWriter& writer, db::Connection& connection)
        : writer_(writer), connection_(connection) {}

    // The heading of a report in columns: the page heading, the tabs, the column titles in
    // bold and a rule under them.
    void PrintColumnHeading(const std::vector<Tab>& tabs, const std::vector<ColumnTitle>& titles);
    void SetStyle(int style);
    // Two lines below the rows: the sentence with the count for its %1, at tab 1.
    void PrintCount(const QString& sentence, qint64 count);

    SpoolWriter& writer_;
    db::Connection& connection_;
};

}  // namespace report
