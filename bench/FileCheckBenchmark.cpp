// The file check that the writing commands run first: the full integrity check, which the
// commands use, against the quick check, which misses rows missing from an index.

#include "BenchCatalogue.h"
#include "db/FileCheck.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <QFile>

namespace {

void runCheck(benchmark::State& state, const char* pragma) {
    const QString path = bench::SharedCatalogue();
    sqlite3* file = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &file, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        const int result = sqlite3_exec(file, pragma, nullptr, nullptr, nullptr);
        if (result != SQLITE_OK)
            state.SkipWithError(sqlite3_errstr(result));
    }
    sqlite3_close(file);
    state.counters["movies"] = bench::BenchMovieCount();
}

void BM_IntegrityCheck(benchmark::State& state) {
    runCheck(state, "PRAGMA integrity_check(100)");
}
BENCHMARK(BM_IntegrityCheck)->Unit(benchmark::kMillisecond);

void BM_QuickCheck(benchmark::State& state) {
    runCheck(state, "PRAGMA quick_check(100)");
}
BENCHMARK(BM_QuickCheck)->Unit(benchmark::kMillisecond);

// What a command pays: its own connection opened, the check run and its findings read.
void BM_CommandFileCheck(benchmark::State& state) {
    const QString path = bench::SharedCatalogue();
    for (auto _ : state)
        benchmark::DoNotOptimize(db::IntegrityProblems(path));
}
BENCHMARK(BM_CommandFileCheck)->Unit(benchmark::kMillisecond);

}  // namespace
