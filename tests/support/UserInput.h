#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QListWidget>
#include <QTest>

class QLineEdit;
class QMimeData;
class QMainWindow;
class QModelIndex;

namespace test {

// What the tests' user does, through the input events a mouse and a keyboard make: never by
// calling the slot or sending the signal the input would cause.

// The control of that object name in dialog; fails the test when there is none.
template <class Widget>
Widget& child(QObject& dialog, const char* name) {
    auto* found = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!found) {
        ADD_FAILURE() << "no control " << name << " in " << dialog.objectName().toStdString();
        throw std::runtime_error("missing control");
    }
    return *found;
}

inline void click(QObject& dialog, const char* button) {
    QTest::mouseClick(&child<QAbstractButton>(dialog, button), Qt::LeftButton);
}

// Clicks into the field, selects what is there and types over it; empty text deletes it.
void typeInto(QLineEdit& edit, const QString& text);

// A click (or a right-click) on the item, where the view draws it.
void clickItem(QAbstractItemView& view, const QModelIndex& index,
               Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {});
// A double-click as the pointer makes it: a click, then the double-click the view expects on the
// item it saw pressed.
void doubleClickItem(QAbstractItemView& view, const QModelIndex& index);
// The right button on the item: the press and the context-menu event the window system sends.
void rightClickItem(QAbstractItemView& view, const QModelIndex& index);

// Opens the menu bar's menu that holds the item, as the user does with the mouse, and clicks it.
void chooseMenuItem(QMainWindow& window, const char* itemName);

// Drags the data over the widget's centre and drops it there, through the events a drag from
// another program brings (enter, move, drop). True when the widget took the drop.
bool dropOnto(QWidget& target, const QMimeData& data);

// The texts of the view's first column, top to bottom.
QStringList entries(const QAbstractItemView& view);
QStringList selectedEntries(const QAbstractItemView& view);

// The entry of that text in the first column, scrolled into view; fails the test when there is
// none.
QModelIndex entry(QAbstractItemView& view, const QString& text);

inline void doubleClick(QAbstractItemView& view, const QString& text) {
    doubleClickItem(view, entry(view, text));
}

// Clicks the entry of that text (Ctrl held adds it to a multiple selection).
inline void choose(QAbstractItemView& view, const QString& text,
                   Qt::KeyboardModifiers modifiers = {}) {
    clickItem(view, entry(view, text), Qt::LeftButton, modifiers);
}

}  // namespace test
