// Building, opening and upgrading catalogues, writing movies and reading their genres.

#include "BenchCatalogue.h"
#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/Genres.h"
#include "db/Movies.h"
#include "db/Schema.h"
#include "db/StoredDate.h"
#include "db/Upgrade.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

void BM_CreateAndSeedCatalogue(benchmark::State& state) {
    QTemporaryDir folder;
    int number = 0;
    for (auto _ : state) {
        db::CreateDatabase(folder.filePath(QStringLiteral("NEW%1.db").arg(++number)));
    }
}
BENCHMARK(BM_CreateAndSeedCatalogue)->Unit(benchmark::kMillisecond);

// Start-up's two steps on a catalogue that is up to date.
void BM_OpenAndUpdateCurrentCatalogue(benchmark::State& state) {
    QTemporaryDir folder;
    bench::CopyOfSharedCatalogue(folder.path(), QStringLiteral("BIG"));
    db::Catalogue catalogue(folder.path());
    for (auto _ : state) {
        catalogue.OpenDatabase(QStringLiteral("BIG"));
        db::UpdateDatabase(catalogue.connection());
        catalogue.close();
    }
    state.counters["movies"] = bench::BenchMovieCount();
}
BENCHMARK(BM_OpenAndUpdateCurrentCatalogue)->Unit(benchmark::kMillisecond);

// The heaviest step: every movie's single genre copied into MovieGenre.
void BM_OpenAndUpgradeFromVersion0(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = bench::CopyOfSharedCatalogue(folder.path(), QStringLiteral("OLD"));
    {
        auto old = db::Connection::open(path);
        old->execute(QStringLiteral("DROP TABLE [MovieGenre]"));
        old->execute(QStringLiteral("ALTER TABLE [Movie] DROP COLUMN [ImageFile]"));
        old->execute(QStringLiteral("UPDATE [Movie] SET [GenreId] = 1 + [MovieId] % 18"));
        old->execute(QStringLiteral("DELETE FROM [Version]"));
    }
    const QString copy = folder.filePath(QStringLiteral("STEP.db"));
    db::Catalogue catalogue(folder.path());
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        QFile::copy(path, copy);
        state.ResumeTiming();
        catalogue.OpenDatabase(QStringLiteral("STEP"));
        db::UpdateDatabase(catalogue.connection());
        catalogue.close();
    }
}
BENCHMARK(BM_OpenAndUpgradeFromVersion0)->Unit(benchmark::kMillisecond);

// Add Movie as the user does it: one movie with its genres, committed on its own.
void BM_InsertMovieWithGenres(benchmark::State& state) {
    QTemporaryDir folder;
    db::Catalogue catalogue(folder.path());
    bench::CopyOfSharedCatalogue(folder.path(), QStringLiteral("BIG"));
    catalogue.OpenDatabase(QStringLiteral("BIG"));
    db::MovieRecord movie;
    movie.genreIds = QStringLiteral("4/7/13");
    movie.locationId = movie.mediaId = movie.ratingId = 2;
    movie.acquireDate = db::CurrentCatalogueDateTime();
    int number = 0;
    for (auto _ : state) {
        movie.title = QStringLiteral("Benchmark movie %1").arg(++number);
        benchmark::DoNotOptimize(db::InsertMovie(catalogue.connection(), movie));
    }
}
BENCHMARK(BM_InsertMovieWithGenres)->Unit(benchmark::kMicrosecond);

void BM_GenreTextsOfAllMovies_SetBased(benchmark::State& state) {
    db::Catalogue catalogue(QFileInfo(bench::SharedCatalogue()).absolutePath());
    catalogue.OpenDatabase(QFileInfo(bench::SharedCatalogue()).completeBaseName());
    for (auto _ : state)
        benchmark::DoNotOptimize(db::GetAllGenreTexts(catalogue.connection()).size());
}
BENCHMARK(BM_GenreTextsOfAllMovies_SetBased)->Unit(benchmark::kMillisecond);

void BM_GenreTextsOfAllMovies_OneQueryPerMovie(benchmark::State& state) {
    db::Catalogue catalogue(QFileInfo(bench::SharedCatalogue()).absolutePath());
    catalogue.OpenDatabase(QFileInfo(bench::SharedCatalogue()).completeBaseName());
    QList<int> ids;
    QSqlQuery query = catalogue.connection().query(QStringLiteral("SELECT [MovieId] FROM [Movie]"));
    while (query.next())
        ids.append(query.value(0).toInt());
    for (auto _ : state) {
        qsizetype length = 0;
        for (int id : ids)
            length += db::GetGenreText(catalogue.connection(), id).size();
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_GenreTextsOfAllMovies_OneQueryPerMovie)->Unit(benchmark::kMillisecond);

}  // namespace
