#include "ui/report/ReportCommands.h"

#include "ui/common/ErrorReport.h"
#include "ui/common/UserInterface.h"
#include "ui/main/MainMenus.h"
#include "ui/report/PrintSetupDialog.h"
#include "ui/report/PrinterChoice.h"
#include "ui/report/ReportSession.h"

#include <QAction>

namespace ui {

void ConnectReportCommands(MainMenus& menus, UserInterface& ui, app::Settings& settings,
                           db::Catalogue& catalogue, QWidget& mainWindow,
                           std::function<bool()> saveFirst) {
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
    (void)saveFirst;
}

}  // namespace ui
