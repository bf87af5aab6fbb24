#include "MainWindowFixture.h"

#include "settings/Settings.h"
#include "ui/common/ScreenFit.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollArea>

namespace {

using test::MainWindowTest;
using ui::MovieListModel;

// Placements that do not fit: off every screen, and larger than the screen (a window saved at
// scale 1 and opened at scale 2). Each comes back wholly visible.
TEST_F(MainWindowTest, AWindowSavedOffTheScreenOrTooLargeComesBackWhollyVisible) {
    addMovie("Alien");
    QWidget elsewhere;
    elsewhere.setGeometry(5000, 4000, 2560, 1520);
    const QString farAway = QString::fromLatin1(elsewhere.saveGeometry().toBase64());
    settings::Settings& settings = files.settings();
    // The twips keys an earlier version wrote are read while the saved geometry is missing.
    settings.setValue("frmWizard.Left", "75000");
    settings.setValue("frmWizard.Top", "-60000");
    settings.setValue("frmWizard.Width", "38400");
    settings.setValue("frmWizard.Height", "22800");
    for (int start = 0; start < 3; ++start) {
        if (start == 1)
            settings.setValue("frmWizard.Geometry", farAway);
        openWindow();
        const QRect available = ui::AvailableGeometry(window());
        EXPECT_TRUE(available.contains(window().frameGeometry()))
            << "start " << start << ": " << window().frameGeometry().x() << ","
            << window().frameGeometry().y() << " " << window().frameGeometry().width() << "x"
            << window().frameGeometry().height();
        if (start == 1) {
            // Moved and sized by the user: the next start puts it back there.
            window().setGeometry(QRect(available.topLeft() + QPoint(10, 20), QSize(760, 600)));
        }
    }
    EXPECT_EQ(window().geometry().size(), QSize(760, 600));
    EXPECT_EQ(window().geometry().topLeft(),
              ui::AvailableGeometry(window()).topLeft() + QPoint(10, 20));
    EXPECT_EQ(settings.value("frmWizard.Width", QString()).toInt(),
              15 * window().frameGeometry().width())
        << "the twips keys are still written";
}

// A 1600 by 1000 screen at scale 2 leaves about 800 by 460 for a window below a panel: the
// window fits, its record view scrolling, and the buttons stay within reach.
TEST_F(MainWindowTest, TheWindowFitsAScreenAtScaleTwo) {
    addMovie("Alien");
    openWindow();
    const QSize smallest = window().minimumSizeHint().expandedTo(window().minimumSize());
    EXPECT_LE(smallest.width(), 780);
    EXPECT_LE(smallest.height(), 440);
    window().resize(780, 440);
    EXPECT_EQ(window().size(), QSize(780, 440));
    auto* scroll = find<QScrollArea>("recordScroll");
    QPushButton* close = find<QPushButton>("cmdClose");
    scroll->ensureWidgetVisible(close);
    const QRect shown(close->mapTo(&window(), QPoint(0, 0)), close->size());
    EXPECT_TRUE(window().rect().contains(shown)) << "Close can be scrolled to";
}

TEST_F(MainWindowTest, TheOldTwipsKeysPlaceTheWindowWhenTheyFit) {
    addMovie("Alien");
    settings::Settings& settings = files.settings();
    settings.setValue("frmWizard.Left", "300");
    settings.setValue("frmWizard.Top", "450");
    settings.setValue("frmWizard.Width", "11250");
    settings.setValue("frmWizard.Height", "8250");
    openWindow();
    EXPECT_EQ(window().frameGeometry(), QRect(20, 30, 750, 550));
}

TEST_F(MainWindowTest, TheListsColumnWidthsAndOrderComeBackAsOneState) {
    addMovie("Alien");
    openWindow();
    QHeaderView* header = window().movieList().horizontalHeader();
    header->resizeSection(MovieListModel::Title, 211);
    header->moveSection(header->visualIndex(MovieListModel::Location), 1);
    openWindow();
    header = window().movieList().horizontalHeader();
    EXPECT_EQ(header->sectionSize(MovieListModel::Title), 211);
    EXPECT_EQ(header->visualIndex(MovieListModel::Location), 1);
    EXPECT_TRUE(header->isSectionHidden(MovieListModel::MovieNumber));
    EXPECT_EQ(header->sortIndicatorSection(), window().movieListModel().sortColumn());
}

}  // namespace
