#pragma once

#include "ui/lists/Widgets.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace test {

// Opens a menu of the window's menu bar with the mouse and clicks one of its items.
inline void ChooseMenuItem(QMainWindow& window, const char* menuName, const char* itemName) {
    auto& menu = child<QMenu>(window, menuName);
    auto& item = child<QAction>(window, itemName);
    QMenuBar* bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu.menuAction()).center());
    ASSERT_TRUE(menu.isVisible()) << menuName;
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(&item).center());
}

}  // namespace test
