#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

class QAbstractItemView;
class QAction;
class QLineEdit;
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

inline QStringList entries(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

inline QStringList selectedEntries(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected())
            texts.append(list.item(row)->text());
    return texts;
}

// The entry of that text, scrolled into view; fails the test when there is none.
QModelIndex entry(QListWidget& list, const QString& text);

inline void doubleClick(QListWidget& list, const QString& text) {
    doubleClickItem(list, entry(list, text));
}

// Clicks the entry of that text (Ctrl held adds it to a multiple selection).
inline void choose(QListWidget& list, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    clickItem(list, entry(list, text), Qt::LeftButton, modifiers);
}

}  // namespace test
