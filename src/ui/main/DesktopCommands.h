#pragma once

class QMainWindow;

namespace ui {

class MainMenus;
class RecordView;
class UserInterface;

// The toolbar of the main window's everyday commands, with the desktop theme's icons (bundled
// ones where the theme has none), and the Help menu's user guide (F1) and list of keys.
void AddDesktopCommands(QMainWindow& window, MainMenus& menus, RecordView& record,
                        UserInterface& ui);

}  // namespace ui
