#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace ui {

// The main window's menu bar and the list's popup menu. Every item's object name is its name in
// the program (mnuFileOpen ...), so commands are wired and tested by name.
class MainMenus {
public:
    // Builds the menu bar of window and the hidden popup menu; every item starts disabled and
    // is enabled by the command that gives it a meaning.
    explicit MainMenus(QMainWindow& window);

    QAction& item(const QString& name) const;
    bool has(const QString& name) const { return items_.contains(name); }
    QMenu& popup() const { return *popup_; }
    QList<QAction*> allItems() const { return items_.values(); }

private:
    QHash<QString, QAction*> items_;
    QMenu* popup_;
};

}  // namespace ui
