// generate_catalogue [--movies N] [--actors N] [--seed S] OUTPUT.db
// Builds a catalogue of N movies (default 100,000) for trying out and measuring the program.

#include "CatalogueGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("generate_catalogue"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds a movie catalogue filled with plausible movies."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("movies"), QStringLiteral("Number of movies."),
                      QStringLiteral("N"), QStringLiteral("100000")});
    parser.addOption({QStringLiteral("actors"), QStringLiteral("Size of the actor pool."),
                      QStringLiteral("N"), QStringLiteral("20000")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("S"),
                      QStringLiteral("20261206")});
    parser.addPositionalArgument(
        QStringLiteral("output"),
        QStringLiteral("The catalogue file to write, for example ~/.local/share/KIB/BIG.db."));
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    bench::GeneratorOptions options;
    options.movies = parser.value(QStringLiteral("movies")).toInt();
    options.actors = parser.value(QStringLiteral("actors")).toInt();
    options.seed = parser.value(QStringLiteral("seed")).toUInt();
    const QString output = parser.positionalArguments().constFirst();
    if (options.movies < 0 || options.actors < 1) {
        std::fprintf(stderr, "The numbers of movies and actors must be positive.\n");
        return 2;
    }
    if (QFileInfo::exists(output)) {
        std::fprintf(stderr, "%s exists already; it is left as it is.\n", qPrintable(output));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        bench::GenerateCatalogue(output, options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("%d movies written to %s in %.1f s\n", options.movies, qPrintable(output),
                timer.elapsed() / 1000.0);
    return 0;
}
