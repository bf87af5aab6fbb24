#include "ui/report/ReportCommands.h"

#include "db/Catalogue.h"
#include "report/Report.h"
#include "report/ReportList.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainMenus.h"
#include "ui/report/PrintSetupDialog.h"
#include "ui/report/PrinterChoice.h"
#include "ui/report/ReportSelectionDialog.h"
#include "ui/report/ReportSession.h"

#include <QAction>

namespace ui {

namespace {

ReportSession::MakeReport make(report::ReportKind kind, const QList<int>& ids = {}) {
    return [kind, ids](report::SpoolWriter& writer, db::Connection& connection) {
        return report::MakeReport(kind, writer, connection, ids);
    };
}

struct ReportItem {
    const char* menuItem;
    ReportSession::MakeReport make;
};

}  // namespace

ReportSession& ConnectReportCommands(MainMenus& menus, UserInterface& ui,
                                     settings::Settings& settings, db::Catalogue& catalogue,
                                     QWidget& mainWindow, std::function<bool()> saveFirst) {
    auto* session = new ReportSession(ui, settings, catalogue, mainWindow);
    auto enable = [&menus, &ui, &mainWindow, session](const char* name,
                                                      std::function<void()> command) {
        QAction& item = menus.item(QString::fromLatin1(name));
        item.setEnabled(true);
        QObject::connect(&item, &QAction::triggered, session,
                         [&ui, &mainWindow, command] { RunCommand(ui, &mainWindow, command); });
    };
    enable("mnuFilePrinterSetup", [&ui, &settings, &mainWindow] {
        PrintSetupDialog dialog(settings, PrinterNames(), &mainWindow);
        ui.runModal(dialog);
    });

    const ReportItem reports[] = {
        {"mnuReportsMovieListing", make(report::ReportKind::List)},
        {"mnuReportListLabelNumber", make(report::ReportKind::Label)},
        {"mnuReportDetailed", make(report::ReportKind::Detailed)},
        {"mnuReportsInventoryReport", make(report::ReportKind::Inventory)},
        {"mnuReportsCostReport", make(report::ReportKind::Cost)},
        {"mnuReportsMoviesLentOut", make(report::ReportKind::Lent)},
    };
    for (const ReportItem& item : reports) {
        enable(item.menuItem, [session, saveFirst, make = item.make] {
            if (saveFirst())
                session->run(make);
        });
    }

    // The selection dialogs stay beside the main window and start their report themselves.
    auto select = [&ui, &settings, &catalogue, &mainWindow, session, saveFirst](
                      ReportSelectionDialog::Kind kind, auto makeReport) {
        if (!saveFirst())
            return;
        // A second click brings the dialog that is open to the front rather than open another.
        for (auto* shown : mainWindow.findChildren<ReportSelectionDialog*>())
            if (shown->kind() == kind && shown->isVisible()) {
                shown->raise();
                shown->activateWindow();
                return;
            }
        auto run = [&ui, &mainWindow, session, makeReport](const QList<int>& ids) {
            bool shown = false;
            RunCommand(ui, &mainWindow, [&] { shown = session->run(makeReport(ids)); });
            return shown;
        };
        auto* dialog =
            new ReportSelectionDialog(kind, ui, settings, catalogue.connection(), run, &mainWindow);
        dialog->show();
    };
    enable("mnuReportsListRating", [select] {
        select(ReportSelectionDialog::Kind::Rating,
               [](const QList<int>& ids) { return make(report::ReportKind::Rating, ids); });
    });
    enable("mnuReportsListMedia", [select] {
        select(ReportSelectionDialog::Kind::Media,
               [](const QList<int>& ids) { return make(report::ReportKind::Media, ids); });
    });
    return *session;
}

}  // namespace ui
