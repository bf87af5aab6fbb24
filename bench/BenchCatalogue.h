#pragma once

#include <QProcessEnvironment>
#include <QString>

class QTemporaryDir;

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

// The built program's home for a run as a user starts it: a copy of the shared catalogue as its
// catalogue "KIB", and the environment that points the program there.
QProcessEnvironment ProgramHomeWithSharedCatalogue(const QTemporaryDir& home);

}  // namespace bench
