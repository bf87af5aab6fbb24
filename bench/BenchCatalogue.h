#pragma once

#include <QString>

namespace bench {

// The number of movies the benchmarks work on: TALLOWMERE_BENCH_MOVIES, default 100,000.
int BenchMovieCount();

// Where the generated catalogues are kept between runs: TALLOWMERE_BENCH_DATA, or a folder in
// the system's temporary folder. Never the build folder.
QString BenchDataFolder();

// A generated catalogue of BenchMovieCount() movies, made at its first use and kept in the
// data folder for later runs. Benchmarks ask for it before their timed loop, so that a run that
// only lists or describes the benchmarks makes nothing.
QString SharedCatalogue();

// A copy of the shared catalogue in a fresh temporary folder, for benchmarks that write.
QString CopyOfSharedCatalogue(const QString& folder, const QString& name);

}  // namespace bench
