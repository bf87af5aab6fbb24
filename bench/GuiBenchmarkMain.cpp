// The main() of benchmarks that measure or draw text, for which fonts need a QGuiApplication,
// and of those that open windows, which need a QApplication.

#include "BenchCatalogue.h"

#include <benchmark/benchmark.h>
#ifdef TALLOWMERE_BENCH_WINDOWS
#include <QApplication>
using Application = QApplication;
#else
#include <QGuiApplication>
using Application = QGuiApplication;
#endif

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KIB"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
