// The main window's own commands: another catalogue, clearing the search, exit.

#include "db/Catalogue.h"
#include "db/Upgrade.h"
#include "settings/Settings.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/RecordView.h"

#include <QLabel>

namespace ui {

namespace {

const QString Title = QString::fromLatin1(ProductTitle);

}  // namespace

void MainWindow::clearSearch() {
    if (!search_.isActive())
        return;
    search_.clear();
    PopulateLstMain();
}

void MainWindow::exit() {
    if (!SaveCurrentMovie() || !workAllowsClosing())
        return;
    if (ui_.ask(this, Title, QStringLiteral("Exit Tallowmere Movie Database?"),
                Buttons::YesNoCancel) != Answer::Yes)
        return;
    unload();
    close();
}

void MainWindow::reopen(const QString& previous) {
    // The catalogue that was open comes back, so the window stays usable; when it cannot, the
    // window shows no movie and File > Open still works.
    try {
        catalogue_.OpenDatabase(previous);
        db::UpdateDatabase(catalogue_.connection());
        PopulateLstMain();
    } catch (const std::exception& error) {
        catalogue_.close();
        model_->setRows({}, model_->sortColumn(), model_->sortOrder());
        record_->clearFields();
        EnableMovieFields(false);
        clearChanges();
        lblCount_->setText(QStringLiteral("Movies on file: 0"));
        setWindowTitle(QString::fromLatin1(ProductTitle));
        ReportError(ui_, this, error);
    }
}

void MainWindow::openCatalogue() {
    if (!SaveCurrentMovie())
        return;
    const QPoint nearCorner = geometry().topLeft() + QPoint(13, 13);  // 200 twips
    const std::optional<QString> answer =
        ui_.inputText(this, QStringLiteral("Open Movie Database"),
                      QStringLiteral("Enter the name of the movie database to open or create.  "
                                     "(Note: 'KIB' is the standard database):"),
                      catalogue_.name(), nearCorner);
    if (!answer || answer->isEmpty())
        return;
    if (settings::CleanDatabaseName(*answer).size() > settings::MaxDatabaseNameLength) {
        ui_.inform(this, QStringLiteral("Information"),
                   QStringLiteral("A catalogue name can have at most %1 letters and digits.")
                       .arg(settings::MaxDatabaseNameLength),
                   Icon::Information);
        return;
    }
    const QString previous = catalogue_.name();
    settings_.setValue(settings::key::DBName, *answer);
    const QString name = settings::LoadDatabaseName(settings_);
    settings_.setValue(settings::key::DBName, name);
    try {
        catalogue_.OpenDatabase(name);
        db::UpdateDatabase(catalogue_.connection());
    } catch (const std::exception& error) {
        ReportError(ui_, this, error);
        settings_.setValue(settings::key::DBName, previous);
        reopen(previous);
        return;
    }
    setCatalogueTitle();
    PopulateWhenPrepared([this, name] {
        const QString opened = QStringLiteral("'%1' database opened.").arg(name);
        ui_.inform(this, Title,
                   model_->rowCount() == 0
                       ? opened + QStringLiteral("  Click on Add Movie to begin.")
                       : opened,
                   Icon::Information);
    });
}

}  // namespace ui
