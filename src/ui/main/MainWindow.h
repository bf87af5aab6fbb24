#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

namespace app {
class Settings;
}
namespace db {
class Catalogue;
}

namespace ui {

class MainMenus;
class UserInterface;

// frmWizard: the program's one main window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(UserInterface& ui, app::Settings& settings, db::Catalogue& catalogue);
    ~MainWindow() override;

    // Window load: advances the splash with "Load movies", sets the title, fills the window.
    void load(const std::function<void(const QString&)>& splashStep);
    // Window unload: writes the placement and closes the catalogue; errors are ignored.
    void unload();

    MainMenus& menus() { return *menus_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setCatalogueTitle();

    UserInterface& ui_;
    app::Settings& settings_;
    db::Catalogue& catalogue_;
    std::unique_ptr<MainMenus> menus_;
    bool unloaded_ = false;
};

}  // namespace ui
