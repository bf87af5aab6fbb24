#pragma once

#include <QString>

namespace bench {

// The number of movies the benchmarks work on: TALLOWMERE_BENCH_MOVIES, default 100,000.
int BenchMovieCount();

// A generated catalogue of BenchMovieCount() movies, made once and kept in the build folder
// (bench/data) for later runs.
QString SharedCatalogue();

// A copy of the shared catalogue in a fresh temporary folder, for benchmarks that write.
QString CopyOfSharedCatalogue(const QString& folder, const QString& name);

}  // namespace bench
