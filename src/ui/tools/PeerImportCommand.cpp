#include "ui/tools/PeerImportCommand.h"

#include "db/Catalogue.h"
#include "db/Movies.h"
#include "db/ProgressReporter.h"
#include "io/ImportPreview.h"
#include "io/peers/CsvMapping.h"
#include "io/peers/GcstarReader.h"
#include "io/peers/PeerFile.h"
#include "io/peers/TellicoReader.h"
#include "settings/Settings.h"
#include "ui/common/UserInterface.h"
#include "ui/tools/BackupFirst.h"
#include "ui/tools/CsvMappingDialog.h"
#include "ui/tools/ImportPreviewDialog.h"

#include <QApplication>
#include <QDir>
#include <QScopeGuard>

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

// The movies of the file; nothing when the user cancelled the mapping of a CSV file's columns.
std::optional<io::PeerReading> read(UserInterface& ui, settings::Settings& settings,
                                    const QString& file, QWidget* parent) {
    const QByteArray bytes = io::ReadPeerBytes(file);
    const std::optional<io::PeerFormat> format = io::GuessPeerFormat(file, bytes);
    if (!format) {
        ui.inform(parent, Caption, notAPeerFile(file), Icon::Information);
        return std::nullopt;
    }
    if (*format == io::PeerFormat::Tellico)
        return io::ReadTellico(bytes);
    if (*format == io::PeerFormat::Gcstar)
        return io::ReadGcstar(bytes);
    const io::CsvTable table = io::ReadCsv(bytes);
    const QString key = io::CsvMappingKey(table.header);
    CsvMappingDialog columns(
        table, io::SavedOrGuessedMapping(table.header, settings.value(key, QString())), parent);
    if (ui.runModal(columns) != QDialog::Accepted)
        return std::nullopt;
    settings.setValue(key, io::CsvMappingText(columns.mapping()));
    return io::ReadCsvMovies(table, columns.mapping());
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
    return text + io::ImportNotes(reading.result) + reading.notes();
}

}  // namespace

void ImportFromPeerCommand(UserInterface& ui, settings::Settings& settings,
                           db::Catalogue& catalogue, db::ProgressReporter& progress,
                           QWidget* parent, const std::function<void()>& populateLstMain) {
    FileChoice choice;
    choice.title = Caption;
    choice.proposedFile = settings.value(FileKey, QDir::homePath());
    choice.filters = {QStringLiteral("Other catalogues' files (*.tc *.xml *.gcs *.csv *.txt)"),
                      QStringLiteral("All files (*)")};
    const std::optional<QString> file = ui.chooseFile(parent, choice);
    if (!file)
        return;
    settings.setValue(FileKey, *file);

    std::optional<io::PeerReading> reading = read(ui, settings, *file, parent);
    if (!reading)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    io::ImportPreview preview = io::PreviewLines(catalogue.connection(), reading->lines);
    preview.lines.refused = reading->result.refused;
    preview.lines.refusedCount = reading->result.refusedCount;
    preview.readingNotes = reading->notes();
    restoreCursor.dismiss();
    QApplication::restoreOverrideCursor();

    ImportPreviewDialog confirmation(preview, parent);
    if (ui.runModal(confirmation) != QDialog::Accepted)
        return;
    std::optional<QString> backup;
    if (db::CountMovies(catalogue.connection()) > 0 &&
        !(backup = BackUpFirst(ui, catalogue, parent)))
        return;

    progress.ShowProgress(QStringLiteral("Importing"), 0, int(reading->lines.size()));
    io::ImportResult result;
    try {
        result = io::ImportLines(
            catalogue.connection(), reading->lines,
            [&](const QString& title, int) { progress.ProgressStep(title); },
            [&] { return progress.stopRequested(); });
    } catch (...) {
        progress.CloseProgress();
        throw;
    }
    progress.CloseProgress();
    if (populateLstMain)
        populateLstMain();
    ui.inform(
        parent,
        result.stopped ? QStringLiteral("Import cancelled") : QStringLiteral("Import complete"),
        outcome(result, *reading) + (backup ? BackupNote(*backup) : QString()), Icon::Information);
}

}  // namespace ui
