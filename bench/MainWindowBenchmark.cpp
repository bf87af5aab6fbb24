// The main window on the generated catalogue: start-up, refill, search, sorting, saving, memory.

#include "BenchCatalogue.h"
#include "ProcessMemory.h"
#include "app/Startup.h"
#include "db/Catalogue.h"
#include "settings/Settings.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/RecordView.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

// A window over a copy of the shared catalogue, as start-up leaves it.
struct LoadedWindow {
    QTemporaryDir folder;
    ui::QtUserInterface ui;
    settings::Settings settings{folder.filePath(QStringLiteral("KIB.conf"))};
    db::Catalogue catalogue{folder.path()};
    std::unique_ptr<ui::MainWindow> window;

    LoadedWindow() {
        bench::CopyOfSharedCatalogue(folder.path(), QStringLiteral("KIB"));
        window = app::Main(ui, settings, catalogue).window;
    }
    ~LoadedWindow() { window->unload(); }
};

void BM_StartupToTheFilledList(benchmark::State& state) {
    QTemporaryDir folder;
    bench::CopyOfSharedCatalogue(folder.path(), QStringLiteral("KIB"));
    ui::QtUserInterface ui;
    settings::Settings settings(folder.filePath(QStringLiteral("KIB.conf")));
    double resident = 0;
    for (auto _ : state) {
        db::Catalogue catalogue(folder.path());
        auto window = app::Main(ui, settings, catalogue).window;
        QApplication::processEvents();
        state.PauseTiming();
        resident = std::max(resident, bench::ResidentMegabytes());
        window->unload();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["rss_MB"] = resident;
    state.counters["movies"] = bench::BenchMovieCount();
}
BENCHMARK(BM_StartupToTheFilledList)->Unit(benchmark::kMillisecond)->Iterations(5);

// peak_ratio: the most resident during a refill over what is resident with the filled list.
void BM_PopulateLstMain(benchmark::State& state) {
    LoadedWindow loaded;
    double steady = 0;
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        steady = std::max(steady, bench::ResidentMegabytes());
        bench::ResetPeakMemory();
        state.ResumeTiming();
        loaded.window->PopulateLstMain();
        peak = std::max(peak, bench::PeakMegabytes());
    }
    state.counters["rows"] = loaded.window->movieListModel().rowCount();
    state.counters["rss_MB"] = steady;
    state.counters["peak_MB"] = peak;
    state.counters["peak_ratio"] = peak / steady;
}
BENCHMARK(BM_PopulateLstMain)->Unit(benchmark::kMillisecond)->MinTime(3);

// What Search > Title does once the user presses Search: the movies the pattern finds, read
// once, become the list.
void BM_TitleSearchAndRefill(benchmark::State& state) {
    LoadedWindow loaded;
    ui::MainWindow& window = *loaded.window;
    db::ActiveSearch search;
    search.type = db::SearchType::Title;
    search.title = QStringLiteral("*star*");
    for (auto _ : state) {
        db::MovieListRows rows = db::ReadMovieList(loaded.catalogue.connection(), search);
        window.activeSearch() = search;
        window.PopulateLstMain(std::move(rows));
    }
    state.counters["listed"] = window.movieListModel().rowCount();
}
BENCHMARK(BM_TitleSearchAndRefill)->Unit(benchmark::kMillisecond)->MinTime(2);

// A click on a column's header: the list re-sorted with the selection kept.
void BM_SortByColumn(benchmark::State& state) {
    LoadedWindow loaded;
    QHeaderView* header = loaded.window->movieList().horizontalHeader();
    const int column = int(state.range(0));
    for (auto _ : state) {
        emit header->sectionClicked(column);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SortByColumn)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

// Save Changes on a movie whose title did not change: the row is rewritten in place.
void BM_SaveMovieWithTheSameTitle(benchmark::State& state) {
    LoadedWindow loaded;
    QLineEdit* director = loaded.window->recordView().txtDirector;
    int number = 0;
    for (auto _ : state) {
        director->setText(QStringLiteral("Director %1").arg(++number));
        if (!loaded.window->SaveCurrentMovie())
            state.SkipWithError("the save was refused");
    }
}
BENCHMARK(BM_SaveMovieWithTheSameTitle)->Unit(benchmark::kMillisecond);

}  // namespace
