// The main window beside long work: what it may not start meanwhile, and quitting under it.

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

}  // namespace ui
