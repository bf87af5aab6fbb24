#include "ui/tools/ExportDialog.h"

#include "db/Catalogue.h"
#include "db/Connection.h"
#include "io/ExportMovies.h"
#include "io/MovieFileError.h"
#include "settings/Settings.h"
#include "ui/common/BackgroundWork.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace ui {

namespace {

const QString Caption = QStringLiteral("Export Movies");

QString completeMessage(const io::ExportResult& result) {
    QString text = QStringLiteral("%1 movies exported.").arg(result.exported);
    if (result.pictures > 0)
        text += QStringLiteral("\n\nTheir pictures (%1) are in the folder beside the file.")
                    .arg(result.pictures);
    if (result.leftOut > 0)
        text += QStringLiteral(
                    "\n\nNot exported, because their media, rating or storage "
                    "location no longer exists: %1. Repair data mends that.")
                    .arg(result.leftOut);
    if (result.altered > 0)
        text += QStringLiteral(
                    "\n\nThe file cannot hold double quotes, nor line breaks outside "
                    "the notes, and a \"|\" in the notes reads back as a line break; %1 of "
                    "the movies had such text.")
                    .arg(result.altered);
    return text;
}

QString failureMessage(const std::exception& error, const QString& file, bool existed) {
    if (const auto* fileError = dynamic_cast<const io::FileError*>(&error))
        return fileError->message();
    const QString reason = dynamic_cast<const db::Error*>(&error)
                               ? static_cast<const db::Error&>(error).message()
                               : QString::fromLocal8Bit(error.what());
    return QStringLiteral("The catalogue could not be read, so the export stopped.\n\n%1\n\n%2")
        .arg(reason, existed ? QStringLiteral("'%1' has been left as it was.").arg(file)
                             : QStringLiteral("'%1' has not been created.").arg(file));
}

}  // namespace

ExportDialog::ExportDialog(UserInterface& ui, settings::Settings& settings,
                           db::Catalogue& catalogue, QWidget* parent)
    : MovieFileDialog(
          ui, parent,
          {QStringLiteral("frmExport"), Caption,
           QStringLiteral("Export your movies to a comma delimited file."),
           QStringLiteral("cmdExport"), QStringLiteral("Export"), FileChoice::Purpose::Save},
          settings.value(settings::key::ExportFilename)),
      settings_(settings),
      catalogue_(catalogue) {}

void ExportDialog::run() {
    const QString file = filename().text();
    const bool existed = QFileInfo::exists(file);
    if (existed && ui_.ask(this, QStringLiteral("Overwrite Warning"),
                           QStringLiteral("'%1' already exists. Overwrite?").arg(file),
                           Buttons::YesNoCancel) != Answer::Yes)
        return;
    settings_.setValue(QString::fromLatin1(settings::key::ExportFilename), file);

    // The export reads through a connection of its own, on the worker.
    auto busy = std::make_shared<Busy>(*this, controlsToDisable());
    auto result = std::make_shared<io::ExportResult>();
    const QString path = catalogue_.filePath();
    BackgroundWork::start(
        this, QStringLiteral("Exporting to %1").arg(QFileInfo(file).fileName()),
        [file, path, result](WorkProgress& progress) {
            const auto connection = db::Connection::open(path, db::Connection::Access::ReadOnly);
            *result = io::ExportMovies(
                *connection, file, [&](const QString& title) { progress.setStatus(title); },
                [&] { return progress.stopRequested(); });
        },
        [this, busy, result, file, existed](std::exception_ptr failure) {
            busy->end();
            try {
                if (failure)
                    std::rethrow_exception(failure);
            } catch (const std::exception& error) {
                ui_.inform(this, QStringLiteral("Error"), failureMessage(error, file, existed),
                           Icon::Error);
                reject();
                return;
            }
            if (result->stopped)
                ui_.inform(this, QStringLiteral("Export cancelled"),
                           existed ? QStringLiteral("'%1' has been left as it was.").arg(file)
                                   : QStringLiteral("'%1' has not been created.").arg(file),
                           Icon::Information);
            else
                ui_.inform(this, QStringLiteral("Export complete"), completeMessage(*result),
                           Icon::Information);
            accept();
        });
}

void ShowExportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                      QWidget* parent) {
    ExportDialog dialog(ui, settings, catalogue, parent);
    ui.runModal(dialog);
}

}  // namespace ui
