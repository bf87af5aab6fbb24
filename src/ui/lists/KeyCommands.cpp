#include "ui/lists/KeyCommands.h"

#include <QKeyEvent>
#include <QWidget>

namespace ui::lists {

KeyCommands::KeyCommands(QWidget& dialog) : QObject(&dialog) {
    dialog.installEventFilter(this);
    for (QWidget* control : dialog.findChildren<QWidget*>())
        control->installEventFilter(this);
}

void KeyCommands::bind(int key, std::function<void()> command) {
    commands_.insert(key, std::move(command));
}

bool KeyCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto found = commands_.constFind(static_cast<QKeyEvent*>(event)->key());
    if (found == commands_.constEnd())
        return false;
    // The command may open a modal dialog; copy it so a rebinding meanwhile cannot pull it away.
    const std::function<void()> command = found.value();
    command();
    return true;
}

}  // namespace ui::lists
