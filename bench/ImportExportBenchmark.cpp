// The movie file and the repair on the generated catalogue, each beside the stock sqlite3 tool
// doing the bare work on the same data in the same run. "ratio" is the program's time over the
// tool's; "peak_MB" the most memory the work held above what was resident when it began.

#include "BenchCatalogue.h"
#include "ProcessMemory.h"
#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/ProgressReporter.h"
#include "db/Repair.h"
#include "db/Upgrade.h"
#include "io/ExportMovies.h"
#include "io/ImportMovies.h"
#include "io/ImportPreview.h"
#include "io/MovieFileLines.h"
#include "ui/common/WorkProgress.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

namespace {

const QString Sqlite3 = QStringLiteral(TALLOWMERE_SQLITE3);

// The export's work, for the tool: every movie with its three names, its genre names text and
// its cast, in title order.
const QString JoinedQuery = QStringLiteral(
    "SELECT m.[MovieId], m.[Title], m.[Stars], "
    "coalesce((SELECT group_concat([Name], ' / ') FROM (SELECT trim(g.[Name]) AS [Name] "
    "FROM [MovieGenre] AS mg INNER JOIN [Genre] AS g ON g.[GenreId] = mg.[GenreId] "
    "WHERE mg.[MovieId] = m.[MovieId] ORDER BY mg.rowid)), '(none)'), "
    "mm.[Name], m.[Minutes], r.[Name], m.[ReleaseYear], m.[Director], m.[Producer], "
    "(SELECT group_concat([Name], '/') FROM (SELECT a.[Name] FROM [MovieActor] AS ma "
    "INNER JOIN [Actor] AS a ON a.[ActorId] = ma.[ActorId] WHERE ma.[MovieId] = m.[MovieId] "
    "ORDER BY ma.rowid)), "
    "l.[Name], m.[LabelNumber], m.[AcquireDate], m.[Cost], m.[LentTo], m.[LentDate], m.[Notes] "
    "FROM (([Movie] AS m INNER JOIN [Location] AS l ON l.[LocationId] = m.[LocationId]) "
    "INNER JOIN [Rating] AS r ON r.[RatingId] = m.[RatingId]) "
    "INNER JOIN [Media] AS mm ON mm.[MediaId] = m.[MediaId] ORDER BY m.[Title], m.[MovieId]");

// The repair as one set-based script: an "(unknown)" row where one is needed, and the broken
// references pointed at it.
QString setBasedRepair() {
    QString script;
    for (const char* table : {"Media", "Rating", "Location"}) {
        script += QStringLiteral(
                      "INSERT INTO [%1] ([Name]) SELECT '(unknown)' WHERE EXISTS (SELECT 1 FROM "
                      "[Movie] WHERE [%1Id] NOT IN (SELECT [%1Id] FROM [%1])) AND NOT EXISTS "
                      "(SELECT 1 FROM [%1] WHERE [Name] = '(unknown)');"
                      "UPDATE [Movie] SET [%1Id] = (SELECT MIN([%1Id]) FROM [%1] WHERE [Name] = "
                      "'(unknown)') WHERE [%1Id] NOT IN (SELECT [%1Id] FROM [%1]);")
                      .arg(QString::fromLatin1(table));
    }
    return script;
}

QString sharedFolder() {
    return QFileInfo(bench::SharedCatalogue()).absolutePath();
}
QString sharedName() {
    return QFileInfo(bench::SharedCatalogue()).completeBaseName();
}

// The tool's time for each kind of work, measured once per run by its own benchmark.
std::map<std::string, double>& toolSeconds() {
    static std::map<std::string, double> seconds;
    return seconds;
}

bool runTool(const QStringList& arguments, const QString& output = {}) {
    QProcess tool;
    if (!output.isEmpty())
        tool.setStandardOutputFile(output);
    tool.start(Sqlite3, arguments);
    return tool.waitForFinished(-1) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

void reportRatio(benchmark::State& state, const std::string& work, double programSeconds) {
    const auto found = toolSeconds().find(work);
    if (found == toolSeconds().end() || state.iterations() == 0)
        return;
    const double perRun = programSeconds / double(state.iterations());
    state.counters["sqlite3_ms"] = found->second * 1000;
    state.counters["ratio"] = perRun / found->second;
}

// The export file of the shared catalogue, written once per run for the import benchmarks.
QString movieFile() {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Movies.txt"));
    if (!QFileInfo::exists(path)) {
        db::Catalogue catalogue(sharedFolder());
        catalogue.OpenDatabase(sharedName());
        io::ExportMovies(catalogue.connection(), path);
    }
    return path;
}

void BM_ExportMovies_Sqlite3Csv(benchmark::State& state) {
    const QString catalogue = bench::SharedCatalogue();
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("movies.csv"));
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        if (!runTool({QStringLiteral("-csv"), catalogue, JoinedQuery}, output))
            state.SkipWithError("sqlite3 failed");
    }
    toolSeconds()["export"] = double(timer.nsecsElapsed()) / 1e9 / double(state.iterations());
}
BENCHMARK(BM_ExportMovies_Sqlite3Csv)->Unit(benchmark::kMillisecond);

void BM_ExportMovies(benchmark::State& state) {
    db::Catalogue catalogue(sharedFolder());
    catalogue.OpenDatabase(sharedName());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Movies.txt"));
    double seconds = 0;
    int exported = 0;
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench::ResetPeakMemory();
        const double before = bench::ResidentMegabytes();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        exported = io::ExportMovies(catalogue.connection(), path).exported;
        seconds += double(timer.nsecsElapsed()) / 1e9;
        peak = std::max(peak, bench::PeakMegabytes() - before);
    }
    state.counters["movies"] = exported;
    state.counters["peak_MB"] = peak;
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
    reportRatio(state, "export", seconds);
}
BENCHMARK(BM_ExportMovies)->Unit(benchmark::kMillisecond);

void BM_ImportMovies_Sqlite3Import(benchmark::State& state) {
    const QString file = movieFile();
    QTemporaryDir folder;
    const QString scratch = folder.filePath(QStringLiteral("scratch.db"));
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(scratch);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        if (!runTool(
                {QStringLiteral("-csv"), scratch, QStringLiteral(".import '%1' movies").arg(file)}))
            state.SkipWithError("sqlite3 failed");
        seconds += double(timer.nsecsElapsed()) / 1e9;
    }
    toolSeconds()["import"] = seconds / double(state.iterations());
}
BENCHMARK(BM_ImportMovies_Sqlite3Import)->Unit(benchmark::kMillisecond)->Iterations(3);

// Into an empty catalogue: every movie is added, with its lookups and cast.
void BM_ImportMovies(benchmark::State& state) {
    const QString file = movieFile();
    QTemporaryDir folder;
    db::Catalogue catalogue(folder.path());
    int run = 0;
    double seconds = 0;
    double peak = 0;
    io::ImportResult result;
    for (auto _ : state) {
        state.PauseTiming();
        catalogue.OpenDatabase(QStringLiteral("EMPTY%1").arg(++run));
        while (db::ReadVersion(catalogue.connection()) < db::CurrentSchemaVersion)
            db::UpdateDatabase(catalogue.connection());
        bench::ResetPeakMemory();
        const double before = bench::ResidentMegabytes();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        result = io::ImportMovies(catalogue.connection(), file);
        seconds += double(timer.nsecsElapsed()) / 1e9;
        peak = std::max(peak, bench::PeakMegabytes() - before);
    }
    if (result.failedLine != 0)
        state.SkipWithError(qPrintable(result.failure));
    state.counters["movies"] = result.imported;
    state.counters["peak_MB"] = peak;
    reportRatio(state, "import", seconds);
}
BENCHMARK(BM_ImportMovies)->Unit(benchmark::kMillisecond)->Iterations(1);

// The import window's dry run of the file over the catalogue it came from: every title is found
// there, and every name.
void BM_PreviewImport(benchmark::State& state) {
    const QString file = movieFile();
    db::Catalogue catalogue(sharedFolder());
    catalogue.OpenDatabase(sharedName());
    io::ImportPreview preview;
    for (auto _ : state) {
        io::MovieFileLines lines(file);
        preview = io::PreviewImport(catalogue.connection(), lines);
    }
    state.counters["updated"] = preview.updated;
    state.counters["added"] = preview.added;
}
BENCHMARK(BM_PreviewImport)->Unit(benchmark::kMillisecond)->Iterations(3);

// A copy of the shared catalogue in which every hundredth movie has lost its location.
QString brokenCopy(const QString& folder) {
    const QString path = bench::CopyOfSharedCatalogue(folder, QStringLiteral("BROKEN"));
    auto connection = db::Connection::open(path);
    connection->execute(
        QStringLiteral("UPDATE [Movie] SET [LocationId] = 9999 WHERE [MovieId] % 100 = 0"));
    return path;
}

void BM_RepairData_Sqlite3SetBased(benchmark::State& state) {
    QTemporaryDir folder;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = brokenCopy(folder.path());
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        if (!runTool({path, setBasedRepair()}))
            state.SkipWithError("sqlite3 failed");
        seconds += double(timer.nsecsElapsed()) / 1e9;
    }
    toolSeconds()["repair"] = seconds / double(state.iterations());
}
BENCHMARK(BM_RepairData_Sqlite3SetBased)->Unit(benchmark::kMillisecond)->Iterations(3);

class SilentProgress final : public db::ProgressReporter {
public:
    void ShowProgress(const QString&, int, int) override {}
    void ProgressStep(const QString&) override {}
    void CloseProgress() override {}
    bool stopRequested() const override { return false; }
};

template <typename Progress>
void repairBenchmark(benchmark::State& state, Progress& progress) {
    QTemporaryDir folder;
    db::Catalogue catalogue(folder.path());
    double seconds = 0;
    int repaired = 0;
    for (auto _ : state) {
        state.PauseTiming();
        catalogue.close();
        brokenCopy(folder.path());
        catalogue.OpenDatabase(QStringLiteral("BROKEN"));
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        repaired = db::RepairReferences(catalogue.connection(), progress);
        seconds += double(timer.nsecsElapsed()) / 1e9;
    }
    state.counters["repaired"] = repaired;
    reportRatio(state, "repair", seconds);
}

void BM_RepairData(benchmark::State& state) {
    SilentProgress progress;
    repairBenchmark(state, progress);
}
BENCHMARK(BM_RepairData)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same reporting to the progress the window follows: a lock taken on every movie.
void BM_RepairData_WithWorkProgress(benchmark::State& state) {
    ui::WorkProgress progress;
    repairBenchmark(state, progress);
}
BENCHMARK(BM_RepairData_WithWorkProgress)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

// The application lives for the whole run and ends before the libraries' globals do.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
