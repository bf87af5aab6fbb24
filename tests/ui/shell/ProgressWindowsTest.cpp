#include "ui/common/ProgressWindow.h"
#include "ui/common/StepBar.h"
#include "ui/shell/SplashWindow.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

TEST(SplashWindow, FillsTheBarStepByStepAndStopsAtTheLastStep) {
    auto splash = ui::SplashWindow::ShowSplash("Starting", 1, 4);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->windowTitle(), "Starting");
    EXPECT_EQ(splash->bar().barWidth(), 0);
    const int frame = splash->bar().width();
    splash->SplashStep("Open database");
    EXPECT_EQ(splash->bar().barWidth(), frame / 4);
    for (const char* status : {"two", "three", "four"})
        splash->SplashStep(status);
    EXPECT_EQ(splash->bar().value(), 4);
    EXPECT_EQ(splash->bar().barWidth(), frame) << "the last step fills the bar exactly";
    splash->SplashStep("Beyond");
    EXPECT_EQ(splash->bar().value(), 4) << "at Maximum only the status changes";
    EXPECT_EQ(splash->status().text(), "Beyond");
}

TEST(StepBar, RangesWithoutStepsShowAnEmptyBar) {
    QWidget parent;
    ui::StepBar bar(241, 17, &parent);
    bar.SetProgress(0);  // before Minimum and Maximum are set
    EXPECT_EQ(bar.barWidth(), 0);
    bar.setRange(1, 0);  // the repair of an empty catalogue
    bar.SetProgress(0);
    EXPECT_EQ(bar.barWidth(), 0);
    bar.SetProgress(1);
    EXPECT_EQ(bar.barWidth(), 0);
    bar.setRange(1, 10);
    bar.SetProgress(-3);
    EXPECT_EQ(bar.barWidth(), 0);
    bar.SetProgress(30);
    EXPECT_EQ(bar.barWidth(), 241);
}

// Only Cancel stops a run; the window stays until the work notices.
TEST(ProgressWindow, CancelRaisesTheStopFlagAndNeitherTheCloseBoxNorEscDo) {
    bool stop = false;
    ui::ProgressWindow window(nullptr, [&] { stop = true; });
    window.showCancelButton(true);
    window.bar().setRange(1, 3);
    window.show();
    EXPECT_FALSE(window.findChild<QLabel*>("lblPct")->isVisible());
    window.close();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(stop);
    window.Increment("Check database");
    EXPECT_EQ(window.bar().value(), 1);
    QTest::mouseClick(&window.cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(stop);
    EXPECT_TRUE(window.isVisible());
    window.StopProgress();
    EXPECT_FALSE(window.isVisible());
}

TEST(ProgressWindow, StopProgressFillsTheBarAndAllowsTheClose) {
    ui::ProgressWindow window(nullptr, nullptr);
    window.bar().setRange(1, 5);
    window.show();
    window.Increment("one");
    window.Increment("two");
    window.StopProgress();
    EXPECT_TRUE(window.stopped());
    EXPECT_EQ(window.bar().value(), 5);
    EXPECT_EQ(window.bar().barWidth(), window.bar().width());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
