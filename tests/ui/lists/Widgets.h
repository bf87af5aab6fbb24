#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

namespace test {

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

// A double-click on the entry of that text, as the user's pointer makes it: a click, then the
// double-click the item view expects on the entry it saw pressed.
inline void doubleClick(QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    const QPoint centre = list.visualItemRect(found.constFirst()).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

// Makes the entry of that text the current, selected one.
inline void choose(QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    list.setCurrentItem(found.constFirst());
}

}  // namespace test
