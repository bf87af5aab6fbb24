#include "ui/main/FilterLine.h"

#include <QKeyEvent>

namespace ui {

FilterLine::FilterLine(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("txtFilter"));
    setPlaceholderText(QStringLiteral("Filter movies (Ctrl+F)"));
    setAccessibleName(QStringLiteral("Filter movies"));
    setClearButtonEnabled(true);
}

bool FilterLine::event(QEvent* event) {
    // A shortcut is offered the key before the focused widget; accepting the offer keeps Esc
    // for this line.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void FilterLine::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilterLine::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focused();
}

}  // namespace ui
