// A search as the user waits for it: the dialog's match test, then the main list's refill.

#include "BenchCatalogue.h"
#include "db/Catalogue.h"
#include "db/MovieList.h"

#include <benchmark/benchmark.h>
#include <QFileInfo>
#include <optional>

namespace {

// Opened by the first benchmark that runs, and closed by main() before QtSql's own globals go.
std::optional<db::Catalogue> sharedCatalogue;

db::Connection& sharedConnection() {
    if (!sharedCatalogue) {
        const QFileInfo file(bench::SharedCatalogue());
        sharedCatalogue.emplace(file.absolutePath());
        sharedCatalogue->OpenDatabase(file.completeBaseName());
    }
    return sharedCatalogue->connection();
}

void matchAndRefill(benchmark::State& state, const db::ActiveSearch& search) {
    db::Connection& connection = sharedConnection();
    size_t listed = 0;
    for (auto _ : state) {
        listed = db::ReadMovieList(connection, search).size();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["listed"] = double(listed);
}

db::ActiveSearch searchFor(db::SearchType type, const QString& criterion) {
    db::ActiveSearch search;
    search.type = type;
    search.title = search.actor = search.genreIds = criterion;
    return search;
}

// No search: every movie, as start-up and a refill read them.
void BM_ReadTheWholeList(benchmark::State& state) {
    matchAndRefill(state, db::ActiveSearch());
}
BENCHMARK(BM_ReadTheWholeList)->Unit(benchmark::kMillisecond);

// A word anywhere in the title: every title goes through LIKE.
void BM_TitleSearchLeadingStar(benchmark::State& state) {
    matchAndRefill(state, searchFor(db::SearchType::Title, QStringLiteral("*dragon*")));
}
BENCHMARK(BM_TitleSearchLeadingStar)->Unit(benchmark::kMillisecond);

// The worst case of the same: a letter that nearly every title contains.
void BM_TitleSearchLeadingStarMatchingMost(benchmark::State& state) {
    matchAndRefill(state, searchFor(db::SearchType::Title, QStringLiteral("*e*")));
}
BENCHMARK(BM_TitleSearchLeadingStarMatchingMost)->Unit(benchmark::kMillisecond);

void BM_ActorSearch(benchmark::State& state) {
    matchAndRefill(state, searchFor(db::SearchType::Actor, QStringLiteral("*o'brien")));
}
BENCHMARK(BM_ActorSearch)->Unit(benchmark::kMillisecond);

void BM_GenreSearchThreeGenres(benchmark::State& state) {
    matchAndRefill(state, searchFor(db::SearchType::Genres, QStringLiteral("4,7,18")));
}
BENCHMARK(BM_GenreSearchThreeGenres)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedCatalogue.reset();
    return 0;
}
