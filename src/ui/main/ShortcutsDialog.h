#pragma once

#include <QDialog>

class QTreeWidget;

namespace ui {

// Help > Keyboard shortcuts: every key of the window, its menus, the movie list, the lists and
// the print preview, with what it does.
class ShortcutsDialog : public QDialog {
    Q_OBJECT
public:
    // The menu items' keys are read from window, so that a key added to a menu is listed too.
    ShortcutsDialog(const QWidget& window, QWidget* parent);

    QTreeWidget& keys() const { return *keys_; }

private:
    QTreeWidget* keys_;
};

}  // namespace ui
