#include "ui/tools/ImportDialog.h"

#include "db/Catalogue.h"
#include "db/Movies.h"
#include "io/Destination.h"
#include "io/FileDigest.h"
#include "io/ImportMovies.h"
#include "io/ImportPreview.h"
#include "io/MovieFileLines.h"
#include "settings/Settings.h"
#include "ui/common/ErrorReport.h"
#include "ui/tools/BackupFirst.h"
#include "ui/tools/ImportPreviewDialog.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

const QString Caption = QStringLiteral("Import Movies");

QString skippedNote(const io::ImportResult& result) {
    return io::ImportNotes(result);
}

QString completeMessage(const io::ImportResult& result) {
    return QStringLiteral("%1 movies imported.").arg(result.imported) + skippedNote(result);
}

QString cancelledMessage(const io::ImportResult& result) {
    return QStringLiteral("The import was cancelled. %1 movies imported before it stopped.")
               .arg(result.imported) +
           skippedNote(result);
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
      cmdCancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      settings_(settings),
      catalogue_(catalogue),
      populateLstMain_(std::move(populateLstMain)) {
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->hide();
    addButton(cmdCancel_);
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cancelClicked_ = true; });
}

bool ImportDialog::readFile(
    const QString& file,
    const std::function<void(io::MovieFileLines&, const io::StopRequested&)>& work) {
    Busy busy(*this, controlsToDisable());
    cancelClicked_ = false;
    cmdCancel_->show();
    // The program ending stops the work as Cancel does.
    auto stop = [this] { return cancelClicked_ || LongWork::stopRequested(); };
    auto done = [&] {
        busy.end();
        cmdCancel_->hide();
        setWindowTitle(Caption);
    };
    try {
        io::MovieFileLines lines(file);
        work(lines, stop);
    } catch (const std::exception& error) {
        // The file could not be read or the catalogue is not open: nothing was imported.
        done();
        ReportError(ui_, this, error);
        return false;
    }
    done();
    return true;
}

void ImportDialog::run() {
    const QString file = filename().text();
    if (const QFileInfo info(file); !info.isFile()) {
        const QString kind = io::SpecialFileKind(file);
        ui_.inform(this, QString::fromLatin1(ProductTitle),
                   kind.isEmpty() ? QStringLiteral("'%1' does not exist.").arg(file)
                                  : QStringLiteral("'%1' is %2, not a movie file.").arg(file, kind),
                   Icon::Information);
        return;
    }
    settings_.setValue(QString::fromLatin1(settings::key::ImportFilename), file);

    // First a dry run: what the import would do, for the user to confirm.
    auto follow = [this](const QString& title, int) { followCaption(title); };
    io::ImportPreview preview;
    QByteArray previewed;
    if (!readFile(file, [&](io::MovieFileLines& lines, const io::StopRequested& stop) {
            lines.keepDigest();
            preview = io::PreviewImport(catalogue_.connection(), lines, follow, stop);
            previewed = lines.digest();
        }))
        return;
    if (preview.lines.stopped)
        return;
    if (!preview.lines.headerAccepted) {
        ui_.inform(this, QStringLiteral("Error"),
                   QStringLiteral("This file is not in the correct format.  To see a valid file "
                                  "layout,\nexamine the file created by the Export Movies "
                                  "option."),
                   Icon::Error);
        return;
    }
    ImportPreviewDialog confirmation(preview, this);
    if (ui_.runModal(confirmation) != QDialog::Accepted)
        return;
    // The import reads the file again: it writes only what the user has just seen.
    bool unchanged = false;
    if (!RunCommand(ui_, this, [&] { unchanged = io::FileDigest(file) == previewed; }))
        return;
    if (!unchanged) {
        ui_.inform(this, QString::fromLatin1(ProductTitle),
                   QStringLiteral("'%1' has changed since it was previewed. Nothing was "
                                  "imported; import it again to see what it holds now.")
                       .arg(file),
                   Icon::Information);
        return;
    }

    // An import updates movies by title: what it overwrites is kept in a backup first.
    std::optional<QString> backup;
    bool hasMovies = false;
    if (!RunCommand(ui_, this, [&] { hasMovies = db::CountMovies(catalogue_.connection()) > 0; }))
        return;
    if (hasMovies && !(backup = BackUpFirst(ui_, catalogue_, this)))
        return;
    const QString backupNote = backup ? BackupNote(*backup) : QString();

    io::ImportResult result;
    if (!readFile(file, [&](io::MovieFileLines& lines, const io::StopRequested& stop) {
            result = io::ImportMovies(catalogue_.connection(), lines, follow, stop);
            io::ImportPicturesBeside(catalogue_.connection(), file, result, stop);
        }))
        return;
    if (populateLstMain_)
        RunCommand(ui_, this, populateLstMain_);
    if (result.failedLine > 0)
        ui_.inform(this, QStringLiteral("Error"), failureMessage(result, file) + backupNote,
                   Icon::Error);
    else if (result.stopped)
        ui_.inform(this, QStringLiteral("Import cancelled"), cancelledMessage(result) + backupNote,
                   Icon::Information);
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
