#include "ui/tools/ImportDialog.h"

#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/Movies.h"
#include "io/Destination.h"
#include "io/FileDigest.h"
#include "io/ImportMovies.h"
#include "io/ImportPreview.h"
#include "io/MovieFileLines.h"
#include "settings/Settings.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/ErrorReport.h"
#include "ui/tools/BackupFirst.h"
#include "ui/tools/ImportPreviewDialog.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <memory>

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
      settings_(settings),
      catalogue_(catalogue),
      populateLstMain_(std::move(populateLstMain)) {}

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

    // First a dry run: what the import would do, for the user to confirm. It reads through a
    // connection of its own, on the worker.
    auto busy = std::make_shared<Busy>(*this, controlsToDisable());
    auto preview = std::make_shared<io::ImportPreview>();
    auto previewed = std::make_shared<QByteArray>();  // the digest of the lines the user sees
    const QString path = catalogue_.filePath();
    BackgroundWork::start(
        this, QStringLiteral("Reading %1").arg(QFileInfo(file).fileName()),
        [file, path, preview, previewed](WorkProgress& progress) {
            const auto connection = db::Connection::open(path, db::Connection::Access::ReadOnly);
            io::MovieFileLines lines(file);
            lines.keepDigest();
            *preview = io::PreviewImport(
                *connection, lines, [&](const QString& title, int) { progress.setStatus(title); },
                [&] { return progress.stopRequested(); });
            *previewed = lines.digest();
        },
        [this, busy, file, preview, previewed](std::exception_ptr failure) {
            busy->end();
            if (failure) {
                // The file could not be read or the catalogue is not open: nothing was imported.
                RunCommand(ui_, this, [failure] { std::rethrow_exception(failure); });
                return;
            }
            confirm(file, *preview, *previewed);
        });
}

void ImportDialog::confirm(const QString& file, const io::ImportPreview& preview,
                           const QByteArray& previewed) {
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
    bool hasMovies = false;
    if (!RunCommand(ui_, this, [&] { hasMovies = db::CountMovies(catalogue_.connection()) > 0; }))
        return;
    if (!hasMovies) {
        startImport(file, QString());
        return;
    }
    auto busy = std::make_shared<Busy>(*this, controlsToDisable());
    BackUpThen(ui_, catalogue_, this, [this, busy, file](const QString& backup) {
        busy->end();
        startImport(file, BackupNote(backup));
    });
}

void ImportDialog::startImport(const QString& file, const QString& backupNote) {
    QWidget* owner = parentWidget();
    auto result = std::make_shared<io::ImportResult>();
    const QString path = catalogue_.filePath();
    UserInterface& ui = ui_;
    BackgroundWork::start(
        owner, QStringLiteral("Importing %1").arg(QFileInfo(file).fileName()),
        [file, path, result](WorkProgress& progress) {
            const auto connection = db::Connection::open(path);
            io::MovieFileLines lines(file);
            *result = io::ImportMovies(
                *connection, lines, [&](const QString& title, int) { progress.setStatus(title); },
                [&] { return progress.stopRequested(); });
            io::ImportPicturesBeside(*connection, file, *result,
                                     [&] { return progress.stopRequested(); });
        },
        [&ui, owner = QPointer<QWidget>(owner), populateLstMain = populateLstMain_, file, result,
         backupNote](std::exception_ptr failure) {
            if (failure) {
                // The file could not be read or the catalogue is not open: nothing was imported.
                RunCommand(ui, owner, [failure] { std::rethrow_exception(failure); });
                return;
            }
            if (populateLstMain)
                RunCommand(ui, owner, populateLstMain);
            if (result->failedLine > 0)
                ui.inform(owner, QStringLiteral("Error"),
                          failureMessage(*result, file) + backupNote, Icon::Error);
            else if (result->stopped)
                ui.inform(owner, QStringLiteral("Import cancelled"),
                          cancelledMessage(*result) + backupNote, Icon::Information);
            else
                ui.inform(owner, QStringLiteral("Import complete"),
                          completeMessage(*result) + backupNote, Icon::Information);
        });
    accept();
}

void ShowImportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                      QWidget* parent, std::function<void()> populateLstMain) {
    ImportDialog dialog(ui, settings, catalogue, parent, std::move(populateLstMain));
    ui.runModal(dialog);
}

}  // namespace ui
