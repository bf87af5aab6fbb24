// Publishing the generated catalogue as a web page. "page_MB" is the size of the page written.

#include "BenchCatalogue.h"
#include "db/Catalogue.h"
#include "io/publish/PublishSite.h"

#include <benchmark/benchmark.h>
#include <QDate>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

void BM_PublishWebPage(benchmark::State& state) {
    const QFileInfo shared(bench::SharedCatalogue());
    db::Catalogue catalogue(shared.absolutePath());
    catalogue.OpenDatabase(shared.completeBaseName(), db::Catalogue::Sharing::Shared);
    QTemporaryDir site;
    io::PublishResult result;
    for (auto _ : state)
        result = io::PublishSite(catalogue.connection(), catalogue.name(), site.path(),
                                 QDate::currentDate());
    state.counters["movies"] = result.movies;
    state.counters["page_MB"] = double(QFileInfo(result.page).size()) / (1 << 20);
}
BENCHMARK(BM_PublishWebPage)->Unit(benchmark::kMillisecond);

}  // namespace
