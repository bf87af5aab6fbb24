#pragma once

#include "support/UserInput.h"
#include "ui/report/PreviewWindow.h"
#include "ui/report/PrintingWindow.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>
#include <functional>

namespace test {

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
