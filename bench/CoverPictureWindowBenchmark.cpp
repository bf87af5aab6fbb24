// Cover pictures: adding a camera-sized JPEG, showing a movie with its cover, the Covers grid
// over 100,000 movies of which 10,000 have pictures, and the detailed report with covers to PDF.

#include "BenchCatalogue.h"
#include "CatalogueGenerator.h"
#include "ProcessMemory.h"
#include "app/Startup.h"
#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "db/Schema.h"
#include "db/Transaction.h"
#include "db/Upgrade.h"
#include "io/CoverPicture.h"
#include "report/DetailedReport.h"
#include "report/DocumentReplay.h"
#include "report/PageDrawer.h"
#include "report/RunReport.h"
#include "report/SpoolReader.h"
#include "report/SpoolWriter.h"
#include "settings/Settings.h"
#include "ui/common/UserInterface.h"
#include "ui/main/CoverGridView.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/ThumbnailCache.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// A poster-like picture: a gradient, a band and a title, so that it compresses as covers do.
QImage posterImage(int width, int height, int number) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor::fromHsv((number * 37) % 360, 180, 220));
    gradient.setColorAt(1, QColor::fromHsv((number * 91) % 360, 200, 60));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QPen(Qt::white, width / 40));
    painter.drawEllipse(QRect(width / 6, height / 5, width * 2 / 3, width * 2 / 3));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(height / 12);
    painter.setFont(font);
    painter.drawText(QRect(0, height * 3 / 4, width, height / 4), Qt::AlignCenter,
                     QStringLiteral("Movie %1").arg(number));
    return image;
}

// A camera's photo: the poster with sensor noise, which makes its JPEG as large as a real one's.
QImage photoImage(int width, int height) {
    QImage image = posterImage(width, height, 1);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(17)) - 8;
            line[x] =
                qRgb(qBound(0, qRed(line[x]) + noise, 255), qBound(0, qGreen(line[x]) + noise, 255),
                     qBound(0, qBlue(line[x]) + noise, 255));
        }
    }
    return image;
}

QByteArray jpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 92);
    return bytes;
}

// Gives every step-th movie one of a few cover pictures, in one transaction.
void addCovers(db::Connection& connection, int step) {
    std::vector<db::PictureData> covers;
    for (int number = 0; number < 8; ++number)
        covers.push_back(io::PrepareCoverPicture(posterImage(600, 900, number)).data);
    QList<int> ids;
    connection.scan(QStringLiteral("SELECT [MovieId] FROM [Movie] ORDER BY [MovieId]"), {},
                    [&](const db::ScannedRow& row) { ids.append(row.integer(0)); });
    db::Transaction transaction(connection);
    for (qsizetype i = 0; i < ids.size(); i += step)
        db::SetMoviePicture(connection, ids[i], covers[size_t(i / step) % covers.size()]);
}

// A catalogue kept in the build folder for later runs, made once by make.
QString keptCatalogue(const QString& name, const std::function<void(const QString&)>& make) {
    const QString path =
        QStringLiteral("%1/%2.db").arg(QFileInfo(bench::SharedCatalogue()).path(), name);
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "Making %s ...\n", qPrintable(path));
        const QString building = path + QStringLiteral(".new");
        QFile::remove(building);
        make(building);
        QFile::rename(building, path);
    }
    return path;
}

// The shared catalogue with a cover on every tenth movie.
QString catalogueWithCovers() {
    return keptCatalogue(QStringLiteral("covers-%1").arg(bench::BenchMovieCount()),
                         [](const QString& path) {
                             QFile::copy(bench::SharedCatalogue(), path);
                             auto connection = db::Connection::open(path);
                             while (db::ReadVersion(*connection) < db::CurrentSchemaVersion)
                                 db::UpdateDatabase(*connection);
                             addCovers(*connection, 10);
                         });
}

// A window over a copy of a catalogue, as start-up leaves it, at the size the issue names.
struct LoadedWindow {
    QTemporaryDir folder;
    ui::QtUserInterface ui;
    settings::Settings settings{folder.filePath(QStringLiteral("KIB.conf"))};
    db::Catalogue catalogue{folder.path()};
    std::unique_ptr<ui::MainWindow> window;

    explicit LoadedWindow(const QString& source) {
        QFile::copy(source, folder.filePath(QStringLiteral("KIB.db")));
        window = app::Main(ui, settings, catalogue).window;
        window->resize(1280, 760);
        window->show();
        QApplication::processEvents();
    }
    ~LoadedWindow() { window->unload(); }
};

// What a drop of a 12-megapixel photo costs before the save: read, checked, scaled and encoded
// twice; then stored.
void BM_AddA4000x3000JpegToAMovie(benchmark::State& state) {
    QTemporaryDir folder;
    const QString photo = folder.filePath(QStringLiteral("photo.jpg"));
    QFile file(photo);
    file.open(QIODevice::WriteOnly);
    file.write(jpegOf(photoImage(4000, 3000)));
    file.close();
    const QString path = folder.filePath(QStringLiteral("KIB.db"));
    db::CreateDatabase(path);
    auto connection = db::Connection::open(path);
    while (db::ReadVersion(*connection) < db::CurrentSchemaVersion)
        db::UpdateDatabase(*connection);
    db::MovieRecord movie;
    movie.title = QStringLiteral("Alien");
    const int movieId = db::InsertMovie(*connection, movie);
    for (auto _ : state) {
        const io::PreparedPicture prepared = io::PrepareCoverPicture(photo);
        if (!prepared.ok())
            state.SkipWithError(qPrintable(prepared.error));
        db::SetMoviePicture(*connection, movieId, prepared.data);
    }
    state.counters["file_MB"] = double(QFileInfo(photo).size()) / (1024 * 1024);
}
BENCHMARK(BM_AddA4000x3000JpegToAMovie)->Unit(benchmark::kMillisecond)->UseRealTime();

// Stepping between two movies with covers (or, with 0, two without): the record read, the cover
// read and decoded, the window painted.
void BM_ShowAMovie(benchmark::State& state) {
    LoadedWindow loaded(catalogueWithCovers());
    ui::MainWindow& window = *loaded.window;
    ui::MovieListModel& model = window.movieListModel();
    const QList<int> covered = db::MoviesWithPictures(loaded.catalogue.connection());
    const int offset = state.range(0) ? 0 : 1;  // every tenth movie has a cover
    const int rows[] = {model.rowOfMovie(covered[10] + offset),
                        model.rowOfMovie(covered[20] + offset)};
    int turn = 0;
    for (auto _ : state) {
        window.movieList().selectionModel()->setCurrentIndex(
            model.index(rows[++turn % 2], ui::MovieListModel::Title),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        window.ShowSelectedMovie();
        QApplication::processEvents();  // painted
    }
}
BENCHMARK(BM_ShowAMovie)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// View > Covers until every visible cell has its thumbnail; then scrolling the whole grid in
// 200 steps. rss_growth_MB: the most the program held after a scroll beyond the list alone.
void BM_CoverGridFirstScreenAndScroll(benchmark::State& state) {
    LoadedWindow loaded(catalogueWithCovers());
    ui::MainWindow& window = *loaded.window;
    QAction& covers = window.menus().item(QStringLiteral("mnuViewCovers"));
    ui::CoverGridView& grid = window.coverGrid();
    auto* thumbnails = window.findChild<ui::ThumbnailCache*>();
    int firstScreen = 0;
    const double before = bench::ResidentMegabytes();  // the list alone
    double after = 0;
    double scrollMs = 0;
    int screens = 0;
    for (auto _ : state) {
        state.PauseTiming();
        covers.setChecked(false);
        QApplication::processEvents();
        state.ResumeTiming();
        covers.setChecked(true);
        // The first paint asks for the visible thumbnails; their batch paints them.
        QApplication::processEvents();
        QApplication::processEvents();
        QApplication::processEvents();
        state.PauseTiming();
        if (firstScreen == 0)
            firstScreen = thumbnails->decodedCount();
        QElapsedTimer clock;
        clock.start();
        QScrollBar* bar = grid.verticalScrollBar();
        screens = 0;
        for (int value = 0; value <= bar->maximum(); value += bar->maximum() / 200 + 1) {
            bar->setValue(value);
            QApplication::processEvents();
            QApplication::processEvents();
            ++screens;
        }
        scrollMs = double(clock.elapsed()) / screens;
        after = std::max(after, bench::ResidentMegabytes());
        state.ResumeTiming();
    }
    state.counters["rss_growth_MB"] = after - before;
    state.counters["ms_per_scroll_step"] = scrollMs;
    state.counters["movies"] = window.movieListModel().rowCount();
    state.counters["decoded_first_screen"] = firstScreen;
    state.counters["decoded_in_all"] = thumbnails->decodedCount();
}
BENCHMARK(BM_CoverGridFirstScreenAndScroll)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The detailed report of 1,000 movies, each with a cover, to its spool file and on to PDF.
void BM_DetailedReportWithCoversToPdf(benchmark::State& state) {
    const QString path = keptCatalogue(QStringLiteral("covers-report-1000"), [](const QString& at) {
        bench::GeneratorOptions options;
        options.movies = 1000;
        bench::GenerateCatalogue(at, options);
        auto connection = db::Connection::open(at);
        addCovers(*connection, 1);
    });
    QTemporaryDir folder;
    auto connection = db::Connection::open(path, db::Connection::Access::ReadOnly);
    report::SpoolWriter writer(folder.filePath(QStringLiteral("Temp")));
    const QString pdf = folder.filePath(QStringLiteral("detailed.pdf"));
    int pages = 0;
    for (auto _ : state) {
        report::clsReportDetailed detailed(writer, *connection);
        const QString spool = *report::RunReport(detailed, writer);
        pages = writer.pageNumber();
        report::SpoolReader reader(spool);
        report::DrawingState drawing;
        report::WritePdf(reader, pdf, drawing);
        state.PauseTiming();
        QFile::remove(spool);
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = double(QFileInfo(pdf).size()) / (1024 * 1024);
}
BENCHMARK(BM_DetailedReportWithCoversToPdf)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

}  // namespace
