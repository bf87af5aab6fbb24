#include "settings/Settings.h"
#include "ui/common/FormPosition.h"

#include <gtest/gtest.h>
#include <QMainWindow>
#include <QTemporaryDir>

namespace {

TEST(FormPosition, PlacementOfAMaximisedWindowWritesOnlyItsState) {
    QTemporaryDir directory;
    settings::Settings settings(directory.filePath("KIB.conf"));
    QMainWindow window;
    window.setObjectName("frmWizard");
    window.setGeometry(100, 120, 640, 480);
    ui::SaveFormPosition(settings, window);
    ASSERT_TRUE(settings.contains("frmWizard.Width"));
    EXPECT_EQ(settings.value("frmWizard.WindowState", ""), "0");
    const QString width = settings.value("frmWizard.Width", "");
    EXPECT_EQ(width.toInt() % 15, 0) << "twips, 15 to a pixel";

    window.show();
    window.setWindowState(Qt::WindowMaximized);
    ui::SaveFormPosition(settings, window);
    EXPECT_EQ(settings.value("frmWizard.WindowState", ""), "2");
    EXPECT_EQ(settings.value("frmWizard.Width", ""), width);

    ui::SaveFormPosition(settings, window, "Other");
    EXPECT_EQ(settings.value("Other.WindowState", ""), "2");
}

}  // namespace
