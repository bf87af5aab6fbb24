// The filter line on the generated catalogue: its index, made when the line gets the focus;
// each keystroke of "the ma" typed into it; and the memory the filter holds.

#include "BenchCatalogue.h"
#include "ProcessMemory.h"
#include "app/Startup.h"
#include "db/Catalogue.h"
#include "settings/Settings.h"
#include "ui/common/UserInterface.h"
#include "ui/main/FilterLine.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieFilterIndex.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>

namespace {

// A shown window over a copy of the shared catalogue, as start-up leaves it.
struct ShownWindow {
    QTemporaryDir folder;
    ui::QtUserInterface ui;
    settings::Settings settings{folder.filePath(QStringLiteral("KIB.conf"))};
    db::Catalogue catalogue{folder.path()};
    std::unique_ptr<ui::MainWindow> window;

    ShownWindow() {
        bench::CopyOfSharedCatalogue(folder.path(), QStringLiteral("KIB"));
        window = app::Main(ui, settings, catalogue).window;
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }
    ~ShownWindow() { window->unload(); }

    // What Ctrl+F does: the focus to the filter line.
    void focusFilter() {
        window->filterLine().setFocus(Qt::ShortcutFocusReason);
        QApplication::processEvents();
    }
};

// A key typed into the line, as the keyboard delivers it.
void typeKey(QWidget& widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &release);
}

// The time of each round is its slowest keystroke. grown_MB: what the process holds more after
// typing than with the filled list before the filter was first used; first of the benchmarks,
// so that no memory another left behind is used again.
void BM_FilterTypingTheMaWorstKeystroke(benchmark::State& state) {
    ShownWindow shown;
    const double before = bench::ResidentMegabytes();
    shown.focusFilter();
    ui::FilterLine& filter = shown.window->filterLine();
    double slowest = 0;
    for (auto _ : state) {
        typeKey(filter, Qt::Key_Escape);
        double worst = 0;
        for (const char key : std::string("the ma")) {
            QElapsedTimer timer;
            timer.start();
            typeKey(filter, key == ' ' ? Qt::Key_Space : Qt::Key_A + (key - 'a'),
                    QString(QLatin1Char(key)));
            worst = std::max(worst, timer.nsecsElapsed() / 1e9);
        }
        slowest = std::max(slowest, worst);
        state.SetIterationTime(worst);
    }
    if (filter.text() != QLatin1String("the ma"))
        state.SkipWithError("the keys did not reach the filter line");
    state.counters["slowest_ms"] = slowest * 1000;
    state.counters["listed"] = shown.window->movieListModel().rowCount();
    state.counters["movies"] = shown.window->movieListModel().movieCount();
    state.counters["grown_MB"] = bench::ResidentMegabytes() - before;
}
BENCHMARK(BM_FilterTypingTheMaWorstKeystroke)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// index_MB: what the process holds more once the index is made.
void BM_FilterIndexMadeOnFocus(benchmark::State& state) {
    ShownWindow shown;
    double grown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        shown.window->PopulateLstMain();  // lets the index go
        shown.window->movieList().setFocus();
        const double before = bench::ResidentMegabytes();
        state.ResumeTiming();
        shown.focusFilter();
        state.PauseTiming();
        grown = std::max(grown, bench::ResidentMegabytes() - before);
        state.ResumeTiming();
    }
    state.counters["index_MB"] = grown;
}
BENCHMARK(BM_FilterIndexMadeOnFocus)->Unit(benchmark::kMillisecond)->Iterations(5);

// The index alone, made from the catalogue; held_MB: the bytes it keeps.
void BM_FilterIndexBuild(benchmark::State& state) {
    QTemporaryDir folder;
    bench::CopyOfSharedCatalogue(folder.path(), QStringLiteral("KIB"));
    db::Catalogue catalogue(folder.path());
    catalogue.OpenDatabase(QStringLiteral("KIB"));
    ui::MovieFilterIndex index;
    for (auto _ : state)
        index.build(catalogue.connection());
    state.counters["held_MB"] = index.heldBytes() / 1048576.0;
    catalogue.close();
}
BENCHMARK(BM_FilterIndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
