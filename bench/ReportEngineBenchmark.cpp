// The report engine on the generated catalogue: a plain listing of its own written to a spool
// file, one page drawn, the last page of a long report reached, and a long report as PDF.

#include "BenchCatalogue.h"
#include "db/Connection.h"
#include "report/DocumentReplay.h"
#include "report/PageDrawer.h"
#include "report/PrintingProgress.h"
#include "report/Report.h"
#include "report/RunReport.h"
#include "report/SpoolReader.h"
#include "report/SpoolWriter.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

// A progress window without a window: the events still run on the writer's time budget.
class EventsOnly final : public report::PrintingProgress {
public:
    void ShowProgress(const QString&, const QString&, bool) override {}
    void ShowPage(const QString&) override {}
    void ShowPercent(int) override {}
    void LetEventsRun() override { QCoreApplication::processEvents(); }
    bool cancelRequested() const override { return false; }
    void CloseProgress() override {}
};

// Title, director, year and minutes of every movie by title; with details, a second line of
// producer and label per movie. It stops at maxPages when that is given.
class PlainListing final : public report::Report {
public:
    PlainListing(report::SpoolWriter& writer, db::Connection& connection, bool details,
                 int maxPages)
        : writer_(writer), connection_(connection), details_(details), maxPages_(maxPages) {}

    QString Name() const override { return QStringLiteral("Plain listing"); }
    void PrintHeading() override {
        writer_.PrintPageHeading();
        writer_.SetTab(1, 0.1, 1);
        writer_.SetTab(2, 3.5, 1);
        writer_.SetTab(3, 6.0, 1);
        writer_.SetTab(4, 7.0, 3);
        writer_.SetTab(5, 7.8, 3);
        writer_.NewLine();
    }
    void PrintReport() override {
        writer_.BeginReport(*this);
        QSqlQuery rows = connection_.query(QStringLiteral(
            "SELECT [Title], [Director], [ReleaseYear], [Minutes], [Producer], [LabelNumber] "
            "FROM [Movie] ORDER BY [Title]"));
        while (rows.next() && !writer_.cancelled() &&
               (maxPages_ == 0 || writer_.pageNumber() < maxPages_)) {
            writer_.NewLine();
            writer_.PrintText(rows.value(0).toString(), 1);
            writer_.PrintText(rows.value(1).toString(), 2);
            writer_.PrintText(rows.value(2).toString(), 4);
            writer_.PrintText(rows.value(3).toString(), 5);
            if (details_) {
                writer_.NewLine();
                writer_.PrintText(rows.value(4).toString(), 2);
                writer_.PrintText(rows.value(5).toString(), 3);
            }
        }
        writer_.EndReport();
    }

private:
    report::SpoolWriter& writer_;
    db::Connection& connection_;
    bool details_;
    int maxPages_;
};

struct Spool {
    QTemporaryDir folder;
    std::unique_ptr<db::Connection> connection =
        db::Connection::open(bench::SharedCatalogue(), db::Connection::Access::ReadOnly);
    report::SpoolWriter writer{folder.filePath(QStringLiteral("Temp"))};
    QString file;

    Spool(bool details, int maxPages) {
        PlainListing listing(writer, *connection, details, maxPages);
        file = *report::RunReport(listing, writer);
    }
};

// The 2,000-page report that the page and PDF benchmarks read.
Spool& LongReport() {
    static Spool spool(true, 2000);
    return spool;
}

void BM_WriteTheListingOfEveryMovie(benchmark::State& state) {
    QTemporaryDir folder;
    auto connection =
        db::Connection::open(bench::SharedCatalogue(), db::Connection::Access::ReadOnly);
    report::SpoolWriter writer(folder.filePath(QStringLiteral("Temp")));
    EventsOnly progress;
    writer.setProgress(&progress);
    int pages = 0;
    for (auto _ : state) {
        PlainListing listing(writer, *connection, false, 0);
        const QString file = *report::RunReport(listing, writer);
        pages = writer.pageNumber();
        state.PauseTiming();
        QFile::remove(file);
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_WriteTheListingOfEveryMovie)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reaching a page as a new preview does: the index, the header, then the page from its offset.
void BM_DrawAPageOfTheLongReport(benchmark::State& state) {
    const QString file = LongReport().file;
    const int page = static_cast<int>(state.range(0));
    for (auto _ : state) {
        report::SpoolReader reader(file);
        reader.header();
        QImage image(816, 1008, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        QPainter painter(&image);
        report::DrawingState drawing;
        report::PageDrawer drawer(painter, report::Surface::Screen, drawing);
        report::SpoolLines lines = reader.lines(reader.pageStart(page));
        drawer.drawPage(lines);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_DrawAPageOfTheLongReport)->Arg(1)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_TheLongReportAsPdf(benchmark::State& state) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("long.pdf"));
    for (auto _ : state) {
        report::SpoolReader reader(LongReport().file);
        report::DrawingState drawing;
        report::WritePdf(reader, pdf, drawing);
    }
    state.counters["MB"] = QFile(pdf).size() / 1e6;
}
BENCHMARK(BM_TheLongReportAsPdf)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
