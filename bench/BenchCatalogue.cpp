#include "BenchCatalogue.h"

#include "CatalogueGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace bench {

int BenchMovieCount() {
    bool ok = false;
    const int movies = qEnvironmentVariableIntValue("TALLOWMERE_BENCH_MOVIES", &ok);
    return ok && movies > 0 ? movies : 100000;
}

QString SharedCatalogue() {
    const QString folder = QStringLiteral(TALLOWMERE_BENCH_DATA);
    QDir().mkpath(folder);
    const QString path = QStringLiteral("%1/catalogue-%2.db").arg(folder).arg(BenchMovieCount());
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "Generating %d movies into %s ...\n", BenchMovieCount(),
                     qPrintable(path));
        GeneratorOptions options;
        options.movies = BenchMovieCount();
        const QString building = path + QStringLiteral(".new");
        QFile::remove(building);
        GenerateCatalogue(building, options);
        QFile::rename(building, path);
    }
    return path;
}

QString CopyOfSharedCatalogue(const QString& folder, const QString& name) {
    const QString target = folder + u'/' + name + QStringLiteral(".db");
    QFile::remove(target);
    QFile::copy(SharedCatalogue(), target);
    return target;
}

}  // namespace bench
