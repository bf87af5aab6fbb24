#pragma once

#include "ui/lists/Widgets.h"
#include "ui/report/PreviewWindow.h"
#include "ui/report/PrintingWindow.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>

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

// The user while a report is written: acts once the progress window shows.
inline void WhileReportIsWritten(QObject& context, std::function<void(ui::PrintingWindow&)> act) {
    auto* poll = new QTimer(&context);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<ui::PrintingWindow*>(window);
            if (progress && progress->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(*progress);
                return;
            }
        }
    });
    poll->start(20);
}

// The preview on the screen, if any.
inline ui::PreviewWindow* ShownPreview() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* preview = qobject_cast<ui::PreviewWindow*>(window);
        if (preview && preview->isVisible())
            return preview;
    }
    return nullptr;
}

}  // namespace test
