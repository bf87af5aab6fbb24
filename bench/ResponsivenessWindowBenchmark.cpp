// How the window answers while long work runs: the longest gap between two turns of its event
// loop, the 99th percentile of the gaps, and the time from Cancel to the work's end. Each piece
// of work runs twice: on a worker, as the program runs it, and on the window's own thread letting
// events run on its time budget, as the program ran it before.

#include "BenchCatalogue.h"
#include "app/Startup.h"
#include "db/Catalogue.h"
#include "db/Connection.h"
#include "io/ExportMovies.h"
#include "io/ImportMovies.h"
#include "io/MovieFileLines.h"
#include "report/Report.h"
#include "report/ReportList.h"
#include "report/RunReport.h"
#include "report/SpoolWriter.h"
#include "settings/Settings.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"
#include "ui/report/PrintingWindow.h"
#include "ui/report/ReportWriting.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {

constexpr int TurnInterval = 5;  // milliseconds: the floor of every gap measured

// Timestamps the turns of the event loop with a timer due every few milliseconds: a gap is the
// time between two of its shots. (A timer due at once would spin a core the worker needs.)
class LoopTurns : public QObject {
public:
    LoopTurns() {
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, [this] {
            const qint64 now = clock_.nsecsElapsed();
            gaps_.push_back(double(now - last_) / 1e6);
            last_ = now;
        });
        clock_.start();
        timer_.start(TurnInterval);
    }
    void stop() {
        timer_.stop();
        gaps_.push_back(double(clock_.nsecsElapsed() - last_) / 1e6);
    }
    double longest() const {
        return gaps_.empty() ? 0 : *std::max_element(gaps_.begin(), gaps_.end());
    }
    double percentile99() const {
        std::vector<double> sorted = gaps_;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)];
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    std::vector<double> gaps_;
};

// The main window over a copy of the shared catalogue, and the catalogue's own movie file.
struct Setting {
    QTemporaryDir folder;
    ui::QtUserInterface ui;
    settings::Settings settings{folder.filePath(QStringLiteral("KIB.conf"))};
    db::Catalogue catalogue{folder.path()};
    std::unique_ptr<ui::MainWindow> window;
    QString movieFile = folder.filePath(QStringLiteral("Movies.txt"));

    Setting() {
        bench::CopyOfSharedCatalogue(folder.path(), QStringLiteral("KIB"));
        window = app::Main(ui, settings, catalogue).window;
        io::ExportMovies(catalogue.connection(), movieFile);
    }
    ~Setting() { window->unload(); }
};

constexpr int CancelAfter = 1500;  // milliseconds of work before Cancel is pressed

void report(benchmark::State& state, const LoopTurns& turns, double cancelMs) {
    state.counters["max_gap_ms"] = turns.longest();
    state.counters["p99_gap_ms"] = turns.percentile99();
    state.counters["cancel_ms"] = cancelMs;
    state.counters["movies"] = bench::BenchMovieCount();
}

// The work on a worker: the time from Cancel to the runner's end, in milliseconds; not
// cancelled when cancelAfter is 0.
double onTheWorker(QWidget* window, ui::BackgroundWork::Work work, int cancelAfter) {
    QEventLoop loop;
    QElapsedTimer sinceCancel;
    ui::BackgroundWork* run =
        ui::BackgroundWork::start(window, QStringLiteral("Working"), std::move(work), {});
    QObject::connect(run, &ui::BackgroundWork::ended, &loop, &QEventLoop::quit);
    if (cancelAfter > 0)
        QTimer::singleShot(cancelAfter, run, [run, &sinceCancel] {
            sinceCancel.start();
            run->window()->cancelButton().click();
        });
    loop.exec();
    return sinceCancel.isValid() ? double(sinceCancel.nsecsElapsed()) / 1e6 : 0;
}

// The import as the window's thread ran it: events let run at most every 40 ms, between lines.
double importOnTheWindowThread(Setting& setting, int cancelAfter) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    bool cancelled = false;
    io::MovieFileLines lines(setting.movieFile);
    io::ImportMovies(
        setting.catalogue.connection(), lines,
        [&](const QString&, int) {
            if (sinceEvents.elapsed() < 40)
                return;
            QCoreApplication::processEvents();
            sinceEvents.restart();
            // The click on Cancel, made at cancelAfter, is taken in with these events.
            if (cancelAfter > 0 && sinceStart.elapsed() >= cancelAfter)
                cancelled = true;
        },
        [&] { return cancelled; });
    // From the click to the end of the work.
    return cancelled ? double(sinceStart.nsecsElapsed()) / 1e6 - cancelAfter : 0;
}

void BM_ImportOnTheWorker(benchmark::State& state) {
    Setting setting;
    const QString path = setting.catalogue.filePath();
    const QString file = setting.movieFile;
    for (auto _ : state) {
        LoopTurns turns;
        const double cancelMs = onTheWorker(
            setting.window.get(),
            [path, file](ui::WorkProgress& progress) {
                const auto connection = db::Connection::open(path);
                io::MovieFileLines lines(file);
                io::ImportMovies(
                    *connection, lines,
                    [&](const QString& title, int) { progress.setStatus(title); },
                    [&] { return progress.stopRequested(); });
            },
            int(state.range(0)));
        turns.stop();
        report(state, turns, cancelMs);
    }
}
BENCHMARK(BM_ImportOnTheWorker)
    ->Arg(0)
    ->Arg(CancelAfter)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_ImportOnTheWindowThread(benchmark::State& state) {
    Setting setting;
    for (auto _ : state) {
        LoopTurns turns;
        const double cancelMs = importOnTheWindowThread(setting, int(state.range(0)));
        turns.stop();
        report(state, turns, cancelMs);
    }
}
BENCHMARK(BM_ImportOnTheWindowThread)
    ->Arg(0)
    ->Arg(CancelAfter)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The movie listing written to its spool file on the worker, as the report menu writes it.
void BM_ListingReportOnTheWorker(benchmark::State& state) {
    Setting setting;
    report::SpoolWriter writer(setting.folder.filePath(QStringLiteral("Temp")));
    const QString path = setting.catalogue.filePath();
    for (auto _ : state) {
        LoopTurns turns;
        const double cancelMs = onTheWorker(
            setting.window.get(),
            [path, &writer](ui::WorkProgress& progress) {
                const auto connection =
                    db::Connection::open(path, db::Connection::Access::ReadOnly);
                ui::WriteReportOnWorker(
                    writer, *connection, progress,
                    [](report::SpoolWriter& writer, db::Connection& connection) {
                        return report::MakeReport(report::ReportKind::List, writer, connection);
                    });
            },
            int(state.range(0)));
        turns.stop();
        report(state, turns, cancelMs);
    }
}
BENCHMARK(BM_ListingReportOnTheWorker)
    ->Arg(0)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// frmPrinting as the writer drove it when it ran on the window's thread: the writer let events
// run through it, which is where Cancel was taken in.
class PrintingOnTheWindowThread final : public report::PrintingProgress {
public:
    explicit PrintingOnTheWindowThread(ui::PrintingWindow& window) : window_(window) {}
    void ShowProgress(const QString& caption, const QString& pageText, bool showPercent) override {
        window_.ShowProgress(caption, pageText, showPercent);
    }
    void ShowPage(const QString& pageText) override { window_.ShowPage(pageText); }
    void ShowPercent(int percent) override { window_.ShowPercent(percent); }
    void LetEventsRun() override { QCoreApplication::processEvents(); }
    bool cancelRequested() const override { return window_.cancelRequested(); }
    void CloseProgress() override { window_.CloseProgress(); }

private:
    ui::PrintingWindow& window_;
};

// The same on the window's thread, letting events run every 50 ms, as the program did before.
void BM_ListingReportOnTheWindowThread(benchmark::State& state) {
    Setting setting;
    report::SpoolWriter writer(setting.folder.filePath(QStringLiteral("Temp")));
    for (auto _ : state) {
        ui::PrintingWindow progress(setting.window.get());
        PrintingOnTheWindowThread drive(progress);
        writer.setProgress(&drive);
        // The click is taken in late, at the writer's next turn of events: the time counts from
        // when it was made.
        QElapsedTimer sinceStart;
        sinceStart.start();
        bool clicked = false;
        if (state.range(0) > 0)
            QTimer::singleShot(int(state.range(0)), &progress, [&] {
                clicked = true;
                progress.cmdCancel->click();
            });
        LoopTurns turns;
        const auto connection =
            db::Connection::open(setting.catalogue.filePath(), db::Connection::Access::ReadOnly);
        const auto made = report::MakeReport(report::ReportKind::List, writer, *connection);
        report::RunReport(*made, writer);
        turns.stop();
        writer.setProgress(nullptr);
        report(state, turns,
               clicked ? double(sinceStart.nsecsElapsed()) / 1e6 - double(state.range(0)) : 0);
    }
}
BENCHMARK(BM_ListingReportOnTheWindowThread)
    ->Arg(0)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
