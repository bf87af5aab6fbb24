#include "app/Startup.h"

#include "db/Backup.h"
#include "db/Catalogue.h"
#include "db/Upgrade.h"
#include "report/SpoolLeftovers.h"
#include "settings/Settings.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/SplashWindow.h"

#include <QDir>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>

namespace app {

namespace {

const QString Title = QString::fromLatin1(ui::ProductTitle);

// The failing step is named to the user and, for whoever started the program from a shell or a
// script, on standard error.
StartupResult fail(ui::UserInterface& ui, const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    ui.inform(nullptr, Title, text, ui::Icon::Error);
    return {nullptr, 1};
}

QString stepFailed(const QString& step, const std::exception& error) {
    return QStringLiteral("%1 could not start: the step \"%2\" failed.\n\n%3")
        .arg(Title, step, QString::fromUtf8(error.what()));
}

}  // namespace

QString CatalogueFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool CheckDataAccess(ui::UserInterface& ui, const QString& catalogueFolder) {
    QString problem;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        problem = QStringLiteral(
                      "%1 needs the SQLite driver of Qt 6, which is not installed.  "
                      "On Debian it is the package libqt6sql6-sqlite.")
                      .arg(Title);
    } else {
        QTemporaryFile probe(catalogueFolder + QStringLiteral("/access-XXXXXX"));
        if (catalogueFolder.isEmpty() || !QDir().mkpath(catalogueFolder) || !probe.open())
            problem = QStringLiteral("%1 cannot write to its catalogue folder '%2'.")
                          .arg(Title, catalogueFolder);
    }
    if (problem.isEmpty())
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(problem));
    ui.inform(nullptr, Title, problem, ui::Icon::Error);
    return false;
}

StartupResult Main(ui::UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                   const QString& catalogueName) {
    const QString name =
        catalogueName.isEmpty() ? settings::LoadDatabaseName(settings) : catalogueName;
    if (!CheckDataAccess(ui, catalogue.folder()))
        return {nullptr, 1};

    auto splash = ui::SplashWindow::ShowSplash(QStringLiteral("Starting"), 1, 6);
    QString step = QStringLiteral("Open database");
    try {
        splash->SplashStep(step);
        catalogue.OpenDatabase(name);

        step = QStringLiteral("Update database");
        splash->SplashStep(step);
        db::UpdateDatabase(catalogue.connection());
        // What killed backups and reports left; the catalogue's lock is ours now.
        db::RemoveUnfinishedBackups(catalogue);
        report::RemoveLeftoverSpoolFiles(catalogue.folder());

        step = QStringLiteral("Loading movies");
        splash->SplashStep(step);
        auto window = std::make_unique<ui::MainWindow>(ui, settings, catalogue);
        window->load([&](const QString& status) {
            step = status;
            splash->SplashStep(status);
        });

        step = QStringLiteral("Initializing");
        splash->SplashStep(step);
        splash.reset();
        window->show();
        return {std::move(window), 0};
    } catch (const std::exception& error) {
        splash.reset();
        catalogue.close();
        return fail(ui, stepFailed(step, error));
    }
}

}  // namespace app
