// The first opening of a catalogue whose titles and names have no case folds (another program
// wrote them): folding them all, as one statement and in committed batches.

#include "BenchCatalogue.h"
#include "db/CaseKeys.h"
#include "db/Connection.h"
#include "db/Transaction.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

const char* const KeyedTexts[][3] = {
    {"Movie", "Title", "TitleKey"},  {"Actor", "Name", "NameKey"}, {"Genre", "Name", "NameKey"},
    {"Location", "Name", "NameKey"}, {"Media", "Name", "NameKey"}, {"Rating", "Name", "NameKey"}};

// A copy of the shared catalogue with every fold cleared, as another program leaves it.
class UnfoldedCatalogue {
public:
    UnfoldedCatalogue() {
        const QString path = bench::CopyOfSharedCatalogue(folder_.path(), QStringLiteral("NULL"));
        auto connection = db::Connection::open(path);
        for (const auto& keyed : KeyedTexts)
            connection->execute(QStringLiteral("UPDATE [%1] SET [%2] = NULL")
                                    .arg(QLatin1String(keyed[0]), QLatin1String(keyed[2])));
        connection->execute(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        unfolded_ = path;
    }
    // A fresh copy to fold.
    QString copy() {
        const QString path = folder_.filePath(QStringLiteral("RUN.db"));
        for (const char* end : {"", "-wal", "-shm"})
            QFile::remove(path + QLatin1String(end));
        QFile::copy(unfolded_, path);
        return path;
    }

private:
    QTemporaryDir folder_;
    QString unfolded_;
};

// The whole fold in one statement a table, in one transaction, as the program did before.
void BM_FoldEmptyKeysInOneStatement(benchmark::State& state) {
    UnfoldedCatalogue catalogue;
    for (auto _ : state) {
        state.PauseTiming();
        auto connection = db::Connection::open(catalogue.copy());
        state.ResumeTiming();
        db::Transaction transaction(*connection);
        for (const auto& keyed : KeyedTexts)
            connection->execute(QStringLiteral("UPDATE [%1] SET [%3] = unicode_fold([%2]) WHERE "
                                               "[%3] IS NULL AND [%2] IS NOT NULL")
                                    .arg(QLatin1String(keyed[0]), QLatin1String(keyed[1]),
                                         QLatin1String(keyed[2])));
        transaction.commit();
    }
    state.counters["movies"] = bench::BenchMovieCount();
}
BENCHMARK(BM_FoldEmptyKeysInOneStatement)->Unit(benchmark::kMillisecond)->Iterations(1);

// The window's worker: committed batches that can stop between them.
void BM_FoldEmptyKeysInBatches(benchmark::State& state) {
    UnfoldedCatalogue catalogue;
    for (auto _ : state) {
        state.PauseTiming();
        auto connection = db::Connection::open(catalogue.copy());
        state.ResumeTiming();
        db::FillMissingCaseKeys(*connection);
    }
    state.counters["movies"] = bench::BenchMovieCount();
}
BENCHMARK(BM_FoldEmptyKeysInBatches)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
