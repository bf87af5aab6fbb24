#pragma once

#include <QString>
#include <memory>

namespace db {
class Catalogue;
}
namespace ui {
class MainWindow;
class UserInterface;
}  // namespace ui

namespace settings {
class Settings;
}

namespace app {

// Where the catalogues live: ~/.local/share/KIB (honours XDG_DATA_HOME).
QString CatalogueFolder();

// True when catalogues can be opened and built: the SQLite driver is there and the catalogue
// folder can be written. Otherwise tells the user why.
bool CheckDataAccess(ui::UserInterface& ui, const QString& catalogueFolder);

struct StartupResult {
    std::unique_ptr<ui::MainWindow> window;  // shown; null when start-up failed
    int exitStatus = 0;                      // non-zero when start-up failed
};

// Main: picks the catalogue (catalogueName, or the one the settings name), checks data access,
// opens (building when missing) and upgrades it behind the splash window, then loads and shows
// the main window. A failing step is named to the user and on standard error, and gives a
// non-zero exit status.
StartupResult Main(ui::UserInterface& ui, settings::Settings& settings, db::Catalogue& catalogue,
                   const QString& catalogueName = {});

}  // namespace app
