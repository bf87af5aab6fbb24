#pragma once

#include <QString>

namespace report {

// What every report offers: the writer calls Name and PrintHeading without knowing the
// report's kind, the runner asks IsReportReady and calls PrintReport.
class Report {
public:
    virtual ~Report() = default;

    // The report's title: in the spool header, the page heading and the progress window.
    virtual QString Name() const = 0;
    virtual bool IsReportReady() { return true; }
    // Writes the whole report, from BeginReport to EndReport.
    virtual void PrintReport() = 0;
    // Writes the heading of a page: at the start of the report and at every page break.
    virtual void PrintHeading() = 0;
};

}  // namespace report
