#include "ui/common/BackgroundWork.h"
#include "ui/common/LongWork.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/StepBar.h"
#include "ui/shell/SplashWindow.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <stdexcept>

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

// Long work on the worker: the progress window follows it, Cancel stops it, the commands that
// conflict are disabled meanwhile, and what it threw comes back to the window's thread.
TEST(BackgroundWork, FollowsTheWorkStopsOnCancelAndDisablesWhatConflicts) {
    QWidget owner;
    QAction conflicting;
    ui::LongWork::addConflicting(&conflicting);
    int finished = 0;
    std::exception_ptr failure;
    const Qt::HANDLE windowThread = QThread::currentThreadId();
    std::atomic<Qt::HANDLE> workThread = nullptr;
    ui::BackgroundWork* run = ui::BackgroundWork::start(
        &owner, "Making a backup",
        [&](ui::WorkProgress& progress) {
            workThread = QThread::currentThreadId();
            while (!progress.stopRequested())
                QThread::yieldCurrentThread();
        },
        [&](std::exception_ptr thrown) {
            ++finished;
            failure = thrown;
        });
    QSignalSpy ended(run, &ui::BackgroundWork::ended);
    ui::ProgressWindow* window = run->window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(conflicting.isEnabled());
    EXPECT_FALSE(QTest::qWaitFor([&] { return window->status().text() != "Making a backup"; }, 200))
        << "work that tells nothing keeps the status it began with";
    QTest::mouseClick(&window->cancelButton(), Qt::LeftButton);
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_NE(workThread.load(), windowThread) << "the work ran on a worker";
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(failure);
    EXPECT_TRUE(conflicting.isEnabled());
    EXPECT_FALSE(ui::LongWork::running());

    run = ui::BackgroundWork::start(
        &owner, "Importing",
        [](ui::WorkProgress& progress) {
            progress.ShowProgress("Movie 1", 1, 2);
            progress.ProgressStep("Movie 1");
            throw std::runtime_error("disk full");
        },
        [&](std::exception_ptr thrown) { failure = thrown; });
    QSignalSpy failed(run, &ui::BackgroundWork::ended);
    ASSERT_TRUE(failed.wait(10000));
    ASSERT_TRUE(failure);
    EXPECT_THROW(std::rethrow_exception(failure), std::runtime_error);
}
