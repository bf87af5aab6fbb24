#include "ui/tools/ImportDialog.h"

#include "db/Catalogue.h"
#include "db/Movies.h"
#include "io/ImportMovies.h"
#include "io/MovieFileLines.h"
#include "settings/Settings.h"
#include "ui/common/ErrorReport.h"
#include "ui/tools/BackupFirst.h"

#include <QFileInfo>
#include <QLineEdit>

namespace ui {

namespace {

const QString Caption = QStringLiteral("Import Movies");

QString skippedNote(const io::ImportResult& result) {
    return io::ImportNotes(result);
}

QString completeMessage(const io::ImportResult& result) {
    return QStringLiteral("%1 movies imported.").arg(result.imported) + skippedNote(result);
}

QString failureMessage(const io::ImportResult& result, const QString& file) {
    return QStringLiteral(
               "The import stopped at line %1 of '%2':\n\n%3\n\nMovies imported "
               "before that line: %4. Nothing of that line or the lines after it "
               "was imported.")
               .arg(result.failedLine)
               .arg(file, result.failure)
               .arg(result.imported) +
           skippedNote(result);
}

}  // namespace

ImportDialog::ImportDialog(UserInterface& ui, settings::Settings& settings,
                           db::Catalogue& catalogue, QWidget* parent,
                           std::function<void()> populateLstMain)
    : MovieFileDialog(
          ui, parent,
          {QStringLiteral("frmImport"), Caption,
           QStringLiteral("Import your movies from a comma delimited file."),
           QStringLiteral("cmdImport"), QStringLiteral("Import"), FileChoice::Purpose::Open},
          settings.value(settings::key::ImportFilename)),
      settings_(settings),
      catalogue_(catalogue),
      populateLstMain_(std::move(populateLstMain)) {}

void ImportDialog::run() {
    const QString file = filename().text();
    if (const QFileInfo info(file); !info.isFile()) {
        ui_.inform(this, QString::fromLatin1(ProductTitle),
                   info.isDir() ? QStringLiteral("'%1' is a folder, not a movie file.").arg(file)
                                : QStringLiteral("'%1' does not exist.").arg(file),
                   Icon::Information);
        return;
    }
    settings_.setValue(QString::fromLatin1(settings::key::ImportFilename), file);

    // An import updates movies by title: what it overwrites is kept in a backup first.
    std::optional<QString> backup;
    bool hasMovies = false;
    if (!RunCommand(ui_, this, [&] { hasMovies = db::CountMovies(catalogue_.connection()) > 0; }))
        return;
    if (hasMovies && !(backup = BackUpFirst(ui_, catalogue_, this)))
        return;
    const QString backupNote = backup ? BackupNote(*backup) : QString();

    io::ImportResult result;
    Busy busy(*this, controlsToDisable());
    try {
        io::MovieFileLines lines(file);
        result = io::ImportMovies(catalogue_.connection(), lines,
                                  [this](const QString& title, int) { followCaption(title); });
    } catch (const std::exception& error) {
        // The file could not be read or the catalogue is not open: nothing was imported.
        busy.end();
        setWindowTitle(Caption);
        ReportError(ui_, this, error);
        return;
    }
    busy.end();
    setWindowTitle(Caption);
    if (!result.headerAccepted) {
        ui_.inform(this, QStringLiteral("Error"),
                   QStringLiteral("This file is not in the correct format.  To see a valid file "
                                  "layout,\nexamine the file created by the Export Movies "
                                  "option."),
                   Icon::Error);
        return;
    }
    if (populateLstMain_)
        RunCommand(ui_, this, populateLstMain_);
    if (result.failedLine > 0)
        ui_.inform(this, QStringLiteral("Error"), failureMessage(result, file) + backupNote,
                   Icon::Error);
    else
        ui_.inform(this, QStringLiteral("Import complete"), completeMessage(result) + backupNote,
                   Icon::Information);
    accept();
}

void ShowImportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                      QWidget* parent, std::function<void()> populateLstMain) {
    ImportDialog dialog(ui, settings, catalogue, parent, std::move(populateLstMain));
    ui.runModal(dialog);
}

}  // namespace ui
