// The report commands as a user runs them: `tallowmere report NAME --pdf FILE` over a copy of
// the generated catalogue, timed as a whole process, with the most memory the program held.
// TALLOWMERE_BENCH_PROGRAM names another build of the program to measure, for example the one
// before a change.

#include "BenchCatalogue.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

namespace {

double childrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_ReportCommandToPdf(benchmark::State& state, const char* report) {
    QTemporaryDir home;
    QProcessEnvironment environment = bench::ProgramHomeWithSharedCatalogue(home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString pdf = home.filePath(QStringLiteral("report.pdf"));
    const double cpuBefore = childrenCpuSeconds();
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(
            qEnvironmentVariable("TALLOWMERE_BENCH_PROGRAM", QStringLiteral(TALLOWMERE_PROGRAM)),
            {QStringLiteral("report"), QString::fromLatin1(report), QStringLiteral("--pdf"), pdf});
        if (!program.waitForFinished(-1) || program.exitCode() != 0) {
            state.SkipWithError("the report command failed");
            return;
        }
    }
    // The program's own processor time: what the wall-clock time comes to on an idle machine.
    state.counters["cpu_s"] =
        (childrenCpuSeconds() - cpuBefore) / double(std::max<qint64>(1, state.iterations()));
    // The largest of the programs this benchmark has waited for, so far: run the lighter first.
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
    state.counters["pdf_MB"] = double(QFileInfo(pdf).size()) / 1e6;
    state.counters["movies"] = bench::BenchMovieCount();
}
BENCHMARK_CAPTURE(BM_ReportCommandToPdf, list, "list")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReportCommandToPdf, detailed, "detailed")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
