#pragma once

#include <functional>

class QWidget;

namespace settings {
class Settings;
}
namespace db {
class Catalogue;
}

namespace ui {

class MainMenus;
class ReportSession;
class UserInterface;

// Gives File > Printer setup and the Reports menu of the main window their commands. A report
// saves the shown movie first (saveFirst), and runs only when that was not refused. Returns the
// report session, which mainWindow owns, for reports run from other menus.
ReportSession& ConnectReportCommands(MainMenus& menus, UserInterface& ui,
                                     settings::Settings& settings, db::Catalogue& catalogue,
                                     QWidget& mainWindow, std::function<bool()> saveFirst);

}  // namespace ui
