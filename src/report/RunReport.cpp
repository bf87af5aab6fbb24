#include "report/RunReport.h"

#include "report/Report.h"
#include "report/ReportError.h"
#include "report/SpoolWriter.h"

namespace report {

std::optional<QString> RunReport(Report& report, SpoolWriter& writer) {
    if (writer.isWriting())
        throw ReportError(ReportBusyMessage());
    if (!report.IsReportReady())
        return std::nullopt;
    try {
        report.PrintReport();
    } catch (...) {
        writer.AbandonReport();
        throw;
    }
    // A report that forgot to end is ended here, so its file is complete.
    writer.EndReport();
    if (writer.finishedFile().isEmpty())
        return std::nullopt;
    return writer.finishedFile();
}

}  // namespace report
