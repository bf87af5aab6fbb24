// Importing other catalogues' files of BenchMovieCount() entries into an empty catalogue: the
// file read, the preview and the import, as Tools > Import from another catalogue does them.

#include "BenchCatalogue.h"
#include "db/Catalogue.h"
#include "db/Upgrade.h"
#include "io/ImportMovies.h"
#include "io/ImportPreview.h"
#include "io/peers/CsvMapping.h"
#include "io/peers/GcstarReader.h"
#include "io/peers/TellicoReader.h"

#include <benchmark/benchmark.h>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>

namespace {

const char* const Genres[] = {"Drama",   "Comedy",  "Horror",   "Science Fiction",
                              "Western", "Romance", "Thriller", "Documentary"};
const char* const Media[] = {"DVD", "Blu-ray", "VHS"};
constexpr int ActorPool = 20000;

QByteArray escaped(const QString& text) {
    return text.toHtmlEscaped().toUtf8();
}

// A plausible entry: a title, a year, two genres, five of a pool of actors, a director, a
// running time, a rating, a location and a plot.
struct Entry {
    explicit Entry(int n)
        : title(QStringLiteral("Movie %1 of the Night").arg(n)),
          year(1930 + n % 90),
          genres{QString::fromLatin1(Genres[n % 8]), QString::fromLatin1(Genres[(n / 8) % 8])},
          media(QString::fromLatin1(Media[n % 3])),
          director(QStringLiteral("Director %1").arg(n % 5000)),
          minutes(80 + n % 90),
          rating(1 + n % 5),
          plot(QStringLiteral("A story of %1 people who meet in a town by the sea and find what "
                              "they did not look for.")
                   .arg(n % 97)) {
        for (int i = 0; i < 5; ++i)
            cast.append(QStringLiteral("Actor %1").arg((n * 7 + i * 131) % ActorPool));
    }
    QString title;
    int year;
    QStringList genres;
    QString media;
    QString director;
    int minutes;
    int rating;
    QString plot;
    QStringList cast;
};

QByteArray tellicoXml() {
    QByteArray xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tellico xmlns=\"http://periapsis.org/"
        "tellico/\" syntaxVersion=\"11\"><collection title=\"V\" type=\"3\"><fields><field "
        "name=\"_default\"/></fields>\n";
    for (int n = 1; n <= bench::BenchMovieCount(); ++n) {
        const Entry e(n);
        xml += "<entry id=\"" + QByteArray::number(n) + "\"><title>" + escaped(e.title) +
               "</title><medium>" + escaped(e.media) + "</medium><year>" +
               QByteArray::number(e.year) + "</year><genres>";
        for (const QString& genre : e.genres)
            xml += "<genre>" + escaped(genre) + "</genre>";
        xml += "</genres><casts>";
        for (const QString& actor : e.cast)
            xml += "<cast><column>" + escaped(actor) + "</column><column>Role</column></cast>";
        xml += "</casts><directors><director>" + escaped(e.director) +
               "</director></directors><running-time>" + QByteArray::number(e.minutes) +
               "</running-time><rating>" + QByteArray::number(e.rating) + "</rating><plot>" +
               escaped(e.plot) + "</plot></entry>\n";
    }
    return xml + "</collection></tellico>\n";
}

QByteArray gcstarXml() {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<collection type=\"GCfilms\">\n";
    for (int n = 1; n <= bench::BenchMovieCount(); ++n) {
        const Entry e(n);
        xml += "<item id=\"" + QByteArray::number(n) + "\" title=\"" + escaped(e.title) +
               "\" date=\"" + QByteArray::number(e.year) + "\" director=\"" + escaped(e.director) +
               "\" time=\"" + QByteArray::number(e.minutes) + " min\" rating=\"" +
               QByteArray::number(e.rating * 2) + "\" format=\"" + escaped(e.media) +
               "\"><synopsis>" + escaped(e.plot) + "</synopsis><actors>";
        for (const QString& actor : e.cast)
            xml += "<line><col>" + escaped(actor) + "</col><col>Role</col></line>";
        xml += "</actors><genre>";
        for (const QString& genre : e.genres)
            xml += "<line><col>" + escaped(genre) + "</col></line>";
        xml += "</genre></item>\n";
    }
    return xml + "</collection>\n";
}

QByteArray listCsv() {
    QByteArray csv =
        "Const,Your Rating,Date Rated,Title,URL,Title Type,Runtime (mins),Year,"
        "Genres,Directors\r\n";
    for (int n = 1; n <= bench::BenchMovieCount(); ++n) {
        const Entry e(n);
        csv += "tt" + QByteArray::number(1000000 + n) + "," + QByteArray::number(e.rating * 2) +
               ",2024-01-05,\"" + e.title.toUtf8() + "\",https://example.org/" +
               QByteArray::number(n) + ",Movie," + QByteArray::number(e.minutes) + "," +
               QByteArray::number(e.year) + ",\"" + e.genres.join(", ").toUtf8() + "\"," +
               e.director.toUtf8() + "\r\n";
    }
    return csv;
}

// Read, preview and import into an empty catalogue, each run in a new one.
void importInto(benchmark::State& state, const QByteArray& file,
                const std::function<io::PeerReading(const QByteArray&)>& read) {
    int number = 0;
    int imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        db::Catalogue catalogue(folder.path());
        catalogue.OpenDatabase(QStringLiteral("PEERS%1").arg(++number));
        db::UpdateDatabase(catalogue.connection());
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        const io::PeerReading reading = read(file);
        state.counters["read_s"] = double(clock.restart()) / 1000;
        const io::ImportPreview preview = io::PreviewLines(catalogue.connection(), reading.lines);
        state.counters["preview_s"] = double(clock.restart()) / 1000;
        imported = io::ImportLines(catalogue.connection(), reading.lines).imported;
        state.counters["import_s"] = double(clock.restart()) / 1000;
        benchmark::DoNotOptimize(preview.added);
    }
    state.counters["movies"] = imported;
    state.counters["file_MB"] = double(file.size()) / (1 << 20);
}

void BM_ImportTellicoCollection(benchmark::State& state) {
    static const QByteArray file = tellicoXml();
    importInto(state, file, [](const QByteArray& bytes) { return io::ReadTellico(bytes); });
}
BENCHMARK(BM_ImportTellicoCollection)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ImportGcstarCollection(benchmark::State& state) {
    static const QByteArray file = gcstarXml();
    importInto(state, file, [](const QByteArray& bytes) { return io::ReadGcstar(bytes); });
}
BENCHMARK(BM_ImportGcstarCollection)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ImportCsvListExport(benchmark::State& state) {
    static const QByteArray file = listCsv();
    importInto(state, file, [](const QByteArray& bytes) {
        const io::CsvTable table = io::ReadCsv(bytes);
        return io::ReadCsvMovies(table, *io::CsvPreset(QStringLiteral("list"), table.header));
    });
}
BENCHMARK(BM_ImportCsvListExport)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
