// The main window's own commands: another catalogue, clearing the search, exit.

#include "app/Settings.h"
#include "db/Catalogue.h"
#include "db/Upgrade.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MovieListModel.h"

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
    if (!SaveCurrentMovie())
        return;
    if (ui_.ask(this, Title, QStringLiteral("Exit Tallowmere Movie Database?"),
                Buttons::YesNoCancel) != Answer::Yes)
        return;
    unload();
    close();
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
    const QString previous = catalogue_.name();
    settings_.setValue(app::key::DBName, *answer);
    const QString name = app::LoadDatabaseName(settings_);
    settings_.setValue(app::key::DBName, name);
    try {
        catalogue_.OpenDatabase(name);
        db::UpdateDatabase(catalogue_.connection());
    } catch (const std::exception& error) {
        // The catalogue that was open comes back, so the window stays usable.
        ReportError(ui_, this, error);
        settings_.setValue(app::key::DBName, previous);
        catalogue_.OpenDatabase(previous);
        return;
    }
    PopulateLstMain();
    setCatalogueTitle();
    const QString opened = QStringLiteral("'%1' database opened.").arg(name);
    ui_.inform(this, Title,
               model_->rowCount() == 0 ? opened + QStringLiteral("  Click on Add Movie to begin.")
                                       : opened,
               Icon::Information);
}

}  // namespace ui
