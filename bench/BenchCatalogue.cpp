#include "BenchCatalogue.h"

#include "CatalogueGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace bench {

int BenchMovieCount() {
    bool ok = false;
    const int movies = qEnvironmentVariableIntValue("TALLOWMERE_BENCH_MOVIES", &ok);
    return ok && movies > 0 ? movies : 100000;
}

QString BenchDataFolder() {
    const QString given = qEnvironmentVariable("TALLOWMERE_BENCH_DATA");
    return given.isEmpty() ? QDir::tempPath() + QStringLiteral("/tallowmere-bench") : given;
}

QString SharedCatalogue() {
    const QString folder = BenchDataFolder();
    QDir().mkpath(folder);
    const QString path = QStringLiteral("%1/catalogue-%2.db").arg(folder).arg(BenchMovieCount());
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "Generating %d movies into %s ...\n", BenchMovieCount(),
                     qPrintable(path));
        GeneratorOptions options;
        options.movies = BenchMovieCount();
        // Built under a name of this process's own and renamed, so that benchmarks started
        // side by side never read a half-made catalogue nor write into one another's.
        const QString building =
            QStringLiteral("%1.%2.new").arg(path).arg(QCoreApplication::applicationPid());
        QFile::remove(building);
        GenerateCatalogue(building, options);
        if (!QFile::rename(building, path))
            QFile::remove(building);  // another run finished it first
    }
    return path;
}

QString CopyOfSharedCatalogue(const QString& folder, const QString& name) {
    const QString target = folder + u'/' + name + QStringLiteral(".db");
    QFile::remove(target);
    QFile::copy(SharedCatalogue(), target);
    return target;
}

QProcessEnvironment ProgramHomeWithSharedCatalogue(const QTemporaryDir& home) {
    const QString folder = home.filePath(QStringLiteral("data/KIB"));
    QDir().mkpath(folder);
    CopyOfSharedCatalogue(folder, QStringLiteral("KIB"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    return environment;
}

}  // namespace bench
