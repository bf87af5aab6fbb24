// The collector's tools on the generated catalogue: the actors' list with its usage counts, the
// duplicate search and the label Add Movie proposes. The label check is with the reports.

#include "BenchCatalogue.h"
#include "db/Catalogue.h"
#include "db/DuplicateMovies.h"
#include "db/LabelNumbers.h"
#include "settings/Settings.h"
#include "ui/common/UserInterface.h"
#include "ui/lists/ListDialog.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTreeView>

namespace {

// A copy of the shared catalogue, opened as the program opens it.
struct CopiedCatalogue {
    QTemporaryDir folder;
    db::Catalogue catalogue{folder.path()};
    CopiedCatalogue() {
        bench::CopyOfSharedCatalogue(folder.path(), QStringLiteral("KIB"));
        catalogue.OpenDatabase(QStringLiteral("KIB"));
    }
};

// Setup > Actors: the dialog built, filled with every actor and its count, and shown.
void BM_OpenActorsList(benchmark::State& state) {
    CopiedCatalogue copy;
    settings::Settings settings(copy.folder.filePath(QStringLiteral("KIB.conf")));
    ui::QtUserInterface ui;
    int actors = 0;
    for (auto _ : state) {
        ui::lists::ListDialog frmActors(ui, copy.catalogue, settings, db::LookupTable::Actor);
        frmActors.show();
        QApplication::processEvents();
        actors = frmActors.lstData().model()->rowCount();
    }
    state.counters["actors"] = actors;
}
BENCHMARK(BM_OpenActorsList)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_FindDuplicateMovies(benchmark::State& state) {
    CopiedCatalogue copy;
    size_t groups = 0;
    for (auto _ : state)
        groups = db::FindDuplicateMovies(copy.catalogue.connection()).size();
    state.counters["groups"] = double(groups);
}
BENCHMARK(BM_FindDuplicateMovies)->Unit(benchmark::kMillisecond)->MinTime(2);

// What Add Movie proposes, read from every movie's label.
void BM_NextLabelNumber(benchmark::State& state) {
    CopiedCatalogue copy;
    for (auto _ : state)
        benchmark::DoNotOptimize(db::NextLabelNumber(copy.catalogue.connection()));
}
BENCHMARK(BM_NextLabelNumber)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace
