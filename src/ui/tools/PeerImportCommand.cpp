#include "ui/tools/PeerImportCommand.h"

#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/Movies.h"
#include "io/ImportPreview.h"
#include "io/peers/CsvMapping.h"
#include "io/peers/CsvTable.h"
#include "io/peers/GcstarReader.h"
#include "io/peers/PeerCovers.h"
#include "io/peers/PeerFile.h"
#include "io/peers/TellicoReader.h"
#include "settings/Settings.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/tools/BackupFirst.h"
#include "ui/tools/CsvMappingDialog.h"
#include "ui/tools/ImportPreviewDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <memory>

namespace ui {

namespace {

const QString Caption = QStringLiteral("Import from another catalogue");
const QString FileKey = QStringLiteral("PeerImportFilename");

QString notAPeerFile(const QString& file) {
    return QStringLiteral(
               "'%1' is no file this program can import: it reads collections of the "
               "KDE collection manager (.tc), of GCstar (.gcs) and CSV files.")
        .arg(file);
}

QString outcome(const io::ImportResult& result, const io::PeerReading& reading) {
    QString text = result.stopped ? QStringLiteral(
                                        "The import was cancelled. %1 movies "
                                        "imported before it stopped.")
                                        .arg(result.imported)
                                  : QStringLiteral("%1 movies imported.").arg(result.imported);
    if (result.failedLine > 0 || !result.failure.isEmpty())
        text += QStringLiteral(
                    "\n\nThe import stopped: %1 Nothing of that movie or those after "
                    "it was imported.")
                    .arg(result.failure);
    io::ImportResult notes = reading.result;
    notes.pictures = result.pictures;
    return text + io::ImportNotes(notes) + reading.notes();
}

// One import from another catalogue's file, carried from the worker's steps to the window's.
struct PeerImport {
    QString file;
    QString path;  // the catalogue's
    std::optional<io::PeerFormat> format;
    std::optional<io::CsvTable> table;  // a CSV file, waiting for the user's column mapping
    io::PeerReading reading;
    io::ImportPreview preview;
};

// On the worker: what the import would do with the movies read.
void previewReading(PeerImport& job) {
    const auto connection = db::Connection::open(job.path, db::Connection::Access::ReadOnly);
    job.preview = io::PreviewLines(*connection, job.reading.lines);
    job.preview.lines.refused = job.reading.result.refused;
    job.preview.lines.refusedCount = job.reading.result.refusedCount;
    job.preview.readingNotes = job.reading.notes();
}

// On the worker: reads the file; a collection is previewed at once, a CSV file only split into
// its table.
void readFile(PeerImport& job) {
    const QByteArray bytes = io::ReadPeerBytes(job.file);
    job.format = io::GuessPeerFormat(job.file, bytes);
    if (!job.format)
        return;
    if (*job.format == io::PeerFormat::Csv) {
        job.table = io::ReadCsv(bytes);
        return;
    }
    job.reading =
        *job.format == io::PeerFormat::Tellico ? io::ReadTellico(bytes) : io::ReadGcstar(bytes);
    io::FindCoversBeside(job.reading, job.file);
    previewReading(job);
}

// Shows what the import would do; confirmed, backs up and imports on the worker.
void confirmAndImport(UserInterface& ui, db::Catalogue& catalogue, QWidget* parent,
                      std::function<void()> populateLstMain, std::shared_ptr<PeerImport> job) {
    if (!parent)
        return;
    ImportPreviewDialog confirmation(job->preview, parent);
    if (ui.runModal(confirmation) != QDialog::Accepted)
        return;
    // The import runs on the worker, through a connection of its own, after the backup.
    auto peer = std::make_shared<io::PeerReading>(std::move(job->reading));
    const QString path = catalogue.filePath();
    auto import = [&ui, path, parent = QPointer<QWidget>(parent), populateLstMain,
                   peer](const QString& backupNote) {
        auto result = std::make_shared<io::ImportResult>();
        BackgroundWork::start(
            parent, QStringLiteral("Importing"),
            [path, peer, result](WorkProgress& progress) {
                const auto connection = db::Connection::open(path);
                progress.ShowProgress(QStringLiteral("Importing"), 0, int(peer->lines.size()));
                *result = io::ImportLines(
                    *connection, peer->lines,
                    [&](const QString& title, int) { progress.ProgressStep(title); },
                    [&] { return progress.stopRequested(); });
                result->pictures = io::ImportPeerCovers(*connection, *peer, *result);
            },
            [&ui, parent, populateLstMain, peer, result, backupNote](std::exception_ptr failure) {
                if (failure) {
                    RunCommand(ui, parent, [failure] { std::rethrow_exception(failure); });
                    return;
                }
                if (populateLstMain)
                    RunCommand(ui, parent, populateLstMain);
                ui.inform(parent,
                          result->stopped ? QStringLiteral("Import cancelled")
                                          : QStringLiteral("Import complete"),
                          outcome(*result, *peer) + backupNote, Icon::Information);
            });
    };
    if (db::CountMovies(catalogue.connection()) == 0)
        import(QString());
    else
        BackUpThen(ui, catalogue, parent,
                   [import](const QString& backup) { import(BackupNote(backup)); });
}

}  // namespace

void ImportFromPeerCommand(UserInterface& ui, settings::Settings& settings,
                           db::Catalogue& catalogue, QWidget* parent,
                           std::function<void()> populateLstMain) {
    FileChoice choice;
    choice.title = Caption;
    choice.proposedFile = settings.value(FileKey, QDir::homePath());
    choice.filters = {QStringLiteral("Other catalogues' files (*.tc *.xml *.gcs *.csv *.txt)"),
                      QStringLiteral("All files (*)")};
    const std::optional<QString> file = ui.chooseFile(parent, choice);
    if (!file)
        return;
    settings.setValue(FileKey, *file);

    auto job = std::make_shared<PeerImport>();
    job->file = *file;
    job->path = catalogue.filePath();
    auto importShown = [&ui, &catalogue, parent = QPointer<QWidget>(parent), populateLstMain, job] {
        confirmAndImport(ui, catalogue, parent, populateLstMain, job);
    };
    BackgroundWork::start(
        parent, QStringLiteral("Reading %1").arg(QFileInfo(*file).fileName()),
        [job](WorkProgress&) { readFile(*job); },
        [&ui, &settings, parent = QPointer<QWidget>(parent), job,
         importShown](std::exception_ptr failure) {
            if (failure) {
                RunCommand(ui, parent, [failure] { std::rethrow_exception(failure); });
                return;
            }
            if (!job->format) {
                ui.inform(parent, Caption, notAPeerFile(job->file), Icon::Information);
                return;
            }
            if (!job->table) {
                importShown();
                return;
            }
            // A CSV file's columns are mapped by the user, then its movies read and previewed.
            const QString key = io::CsvMappingKey(job->table->header);
            CsvMappingDialog columns(
                *job->table,
                io::SavedOrGuessedMapping(job->table->header, settings.value(key, QString())),
                parent);
            if (ui.runModal(columns) != QDialog::Accepted)
                return;
            settings.setValue(key, io::CsvMappingText(columns.mapping()));
            BackgroundWork::start(
                parent, QStringLiteral("Reading %1").arg(QFileInfo(job->file).fileName()),
                [job, mapping = columns.mapping()](WorkProgress&) {
                    job->reading = io::ReadCsvMovies(*job->table, mapping);
                    previewReading(*job);
                },
                [&ui, parent, importShown](std::exception_ptr failure) {
                    if (failure)
                        RunCommand(ui, parent, [failure] { std::rethrow_exception(failure); });
                    else
                        importShown();
                });
        });
}

}  // namespace ui
