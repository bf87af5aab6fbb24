#include "ui/tools/ExportDialog.h"

#include "db/Catalogue.h"
#include "io/ExportMovies.h"
#include "io/MovieFileError.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

QString exportCaption() {
    return QCoreApplication::translate("ui::ExportDialog", "Export Movies");
}

QString completeMessage(const io::ExportResult& result) {
    QString text = ExportDialog::tr("%1 movies exported.").arg(result.exported);
    if (result.leftOut > 0)
        text += ExportDialog::tr(
                    "\n\nNot exported, because their media, rating or storage "
                    "location no longer exists: %1. Repair data mends that.")
                    .arg(result.leftOut);
    if (result.altered > 0)
        text += ExportDialog::tr(
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
    return ExportDialog::tr("The catalogue could not be read, so the export stopped.\n\n%1\n\n%2")
        .arg(reason, existed ? ExportDialog::tr("'%1' has been left as it was.").arg(file)
                             : ExportDialog::tr("'%1' has not been created.").arg(file));
}

}  // namespace

ExportDialog::ExportDialog(UserInterface& ui, settings::Settings& settings,
                           db::Catalogue& catalogue, QWidget* parent)
    : MovieFileDialog(ui, parent,
                      {QStringLiteral("frmExport"), exportCaption(),
                       tr("Export your movies to a comma delimited file."),
                       QStringLiteral("cmdExport"), tr("Export"), FileChoice::Purpose::Save},
                      settings.value(settings::key::ExportFilename)),
      settings_(settings),
      catalogue_(catalogue) {}

void ExportDialog::run() {
    const QString file = filename().text();
    const bool existed = QFileInfo::exists(file);
    if (existed &&
        ui_.ask(this, tr("Overwrite Warning"), tr("'%1' already exists. Overwrite?").arg(file),
                Buttons::YesNoCancel) != Answer::Yes)
        return;
    settings_.setValue(QString::fromLatin1(settings::key::ExportFilename), file);

    io::ExportResult result;
    Busy busy(*this, controlsToDisable());
    try {
        result = io::ExportMovies(catalogue_.connection(), file,
                                  [this](const QString& title) { followCaption(title); });
    } catch (const std::exception& error) {
        busy.end();
        setWindowTitle(exportCaption());
        ui_.inform(this, tr("Error"), failureMessage(error, file, existed), Icon::Error);
        reject();
        return;
    }
    busy.end();
    setWindowTitle(exportCaption());
    ui_.inform(this, tr("Export complete"), completeMessage(result), Icon::Information);
    accept();
}

void ShowExportDialog(UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                      QWidget* parent) {
    ExportDialog dialog(ui, settings, catalogue, parent);
    ui.runModal(dialog);
}

}  // namespace ui
