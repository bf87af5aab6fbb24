// The main window beside long work: what it may not start meanwhile, and quitting under it.

#include "db/CaseKeys.h"
#include "db/Catalogue.h"
#include "db/Connection.h"
#include "ui/common/BackgroundWork.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/LongWork.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QPointer>

namespace ui {

namespace {

// Another catalogue, the setup lists (the import holds their names), the tools and the reports.
const char* const ConflictingCommands[] = {
    "mnuFileOpen",
    "mnuSetupActors",
    "mnuSetupGenres",
    "mnuSetupMedia",
    "mnuSetupRatings",
    "mnuSetupStorageLocations",
    "mnuSetupDeleteUnusedActors",
    "mnuToolsExport",
    "mnuToolsImport",
    "mnuToolsImportPeer",
    "mnuToolsCheckData",
    "mnuToolsCheckLabels",
    "mnuToolsFindDuplicates",
    "mnuToolsStartOver",
    "mnuReportsMovieListing",
    "mnuReportListLabelNumber",
    "mnuReportsListRating",
    "mnuReportsListMedia",
    "mnuReportDetailed",
    "mnuReportsInventoryReport",
    "mnuReportsCostReport",
    "mnuReportsMoviesLentOut",
};

}  // namespace

void MainWindow::markConflictingCommands() {
    for (const char* name : ConflictingCommands)
        LongWork::addConflicting(&menus_->item(QString::fromLatin1(name)));
}

bool MainWindow::workAllowsClosing() {
    if (!LongWork::running())
        return true;
    if (ui_.ask(this, QString::fromLatin1(ProductTitle),
                QStringLiteral("Work is still going on.  Stop it and exit?"),
                Buttons::YesNo) != Answer::Yes)
        return false;
    // It stops between two of its steps, keeping what it has finished; then the window closes.
    LongWork::requestStop();
    LongWork::whenIdle([window = QPointer<MainWindow>(this)] {
        if (window)
            window->close();
    });
    return false;
}

void MainWindow::PopulateWhenPrepared(std::function<void()> then) {
    bool missing = false;
    RunCommand(ui_, this, [&] { missing = db::HasMissingCaseKeys(connection()); });
    if (!missing) {
        PopulateLstMain();
        if (then)
            then();
        return;
    }
    const QString path = catalogue_.filePath();
    BackgroundWork::start(
        this, db::FillMissingCaseKeysStatus(),
        [path](WorkProgress& progress) {
            const auto connection = db::Connection::open(path);
            db::FillMissingCaseKeys(*connection, &progress);
        },
        [this, then = std::move(then)](std::exception_ptr failure) {
            // Without their folds the rows are still found, by their text: the list fills
            // whatever became of the folding.
            if (failure)
                RunCommand(ui_, this, [failure] { std::rethrow_exception(failure); });
            RunCommand(ui_, this, [this] { PopulateLstMain(); });
            if (then)
                then();
        });
}

}  // namespace ui
