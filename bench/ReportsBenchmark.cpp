// The eight reports over the generated catalogue, each to a finished spool file, and the plain
// and the detailed listing on to PDF.

#include "BenchCatalogue.h"
#include "db/Connection.h"
#include "report/DetailedReport.h"
#include "report/DocumentReplay.h"
#include "report/LabelCheckReport.h"
#include "report/ListingReports.h"
#include "report/PageDrawer.h"
#include "report/RunReport.h"
#include "report/SpoolReader.h"
#include "report/SpoolWriter.h"
#include "report/SummaryReports.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace {

using MakeReport =
    std::function<std::unique_ptr<report::Report>(report::SpoolWriter&, db::Connection&)>;

template <class Report>
MakeReport make() {
    return [](report::SpoolWriter& writer, db::Connection& connection) {
        return std::make_unique<Report>(writer, connection);
    };
}

// Every rating and every media of the generated catalogue.
template <class Report>
MakeReport makeForAll() {
    return [](report::SpoolWriter& writer, db::Connection& connection) {
        return std::make_unique<Report>(writer, connection, QList<int>{1, 2, 3, 4, 5, 6, 7});
    };
}

struct Run {
    QTemporaryDir folder;
    std::unique_ptr<db::Connection> connection =
        db::Connection::open(bench::SharedCatalogue(), db::Connection::Access::ReadOnly);
    report::SpoolWriter writer{folder.filePath(QStringLiteral("Temp"))};

    QString write(const MakeReport& makeReport) {
        const std::unique_ptr<report::Report> made = makeReport(writer, *connection);
        return *report::RunReport(*made, writer);
    }
};

void measure(benchmark::State& state, const MakeReport& makeReport, bool toPdf) {
    Run run;
    int pages = 0;
    for (auto _ : state) {
        const QString file = run.write(makeReport);
        pages = run.writer.pageNumber();
        if (toPdf) {
            report::SpoolReader reader(file);
            report::DrawingState drawing;
            report::WritePdf(reader, run.folder.filePath(QStringLiteral("report.pdf")), drawing);
        }
        state.PauseTiming();
        QFile::remove(file);
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
}

void BM_List(benchmark::State& s) {
    measure(s, make<report::clsReportList>(), false);
}
void BM_ListByLabel(benchmark::State& s) {
    measure(s, make<report::clsReportListLabelNumber>(), false);
}
void BM_ListByRating(benchmark::State& s) {
    measure(s, makeForAll<report::clsReportRating>(), false);
}
void BM_ListByMedia(benchmark::State& s) {
    measure(s, makeForAll<report::clsReportMedia>(), false);
}
void BM_Detailed(benchmark::State& s) {
    measure(s, make<report::clsReportDetailed>(), false);
}
void BM_Inventory(benchmark::State& s) {
    measure(s, make<report::clsReportInventory>(), false);
}
void BM_Cost(benchmark::State& s) {
    measure(s, make<report::clsReportCost>(), false);
}
void BM_Lent(benchmark::State& s) {
    measure(s, make<report::clsReportLent>(), false);
}
void BM_LabelCheck(benchmark::State& s) {
    measure(s, make<report::clsReportLabelCheck>(), false);
}
void BM_ListToPdf(benchmark::State& s) {
    measure(s, make<report::clsReportList>(), true);
}
void BM_DetailedToPdf(benchmark::State& s) {
    measure(s, make<report::clsReportDetailed>(), true);
}

}  // namespace

BENCHMARK(BM_List)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_ListByLabel)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_ListByRating)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_ListByMedia)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_Detailed)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_Inventory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_Cost)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_Lent)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_LabelCheck)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_ListToPdf)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_DetailedToPdf)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
