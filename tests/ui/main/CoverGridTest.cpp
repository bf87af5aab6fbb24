#include "MainWindowFixture.h"

#include "db/MoviePictures.h"
#include "io/CoverPicture.h"
#include "support/TestData.h"
#include "support/TestPictures.h"
#include "support/UserInput.h"
#include "ui/common/CoverPictureWidget.h"
#include "ui/main/CoverGridView.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/main/RecordView.h"
#include "ui/main/ThumbnailCache.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

// Whether the cell of the row shows the red of the test's pictures.
bool showsPicture(ui::CoverGridView& grid, int row) {
    const QModelIndex index = grid.model()->index(row, ui::MovieListModel::Title);
    const QImage shot = grid.viewport()->grab(grid.visualRect(index)).toImage();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) == QColor(200, 40, 30))
                return true;
    return false;
}

class CoverGrid : public test::MainWindowTest {
protected:
    void givePicture(int movieId) {
        db::SetMoviePicture(connection(), movieId,
                            io::PrepareCoverPicture(test::DrawnPicture(120, 180)).data);
    }
    ui::CoverGridView& grid() { return window().coverGrid(); }
    // The titles of the cells, in their order, and of the selected ones.
    QStringList cells(bool selectedOnly = false) {
        QStringList titles;
        for (int row = 0; row < grid().model()->rowCount(); ++row) {
            const QModelIndex index = grid().model()->index(row, ui::MovieListModel::Title);
            if (!selectedOnly || grid().selectionModel()->isSelected(index))
                titles.append(index.data().toString());
        }
        return titles;
    }
    void clickCell(const QString& title) {
        const int row = int(cells().indexOf(title));
        test::clickItem(grid(), grid().model()->index(row, ui::MovieListModel::Title));
    }
};

// View > Covers puts the grid in the list's place over the same rows; a click in it shows the
// movie as a click in the list does, and a saved picture shows in its cell.
TEST_F(CoverGrid, FollowsTheListAndAClickShowsTheMovie) {
    addMovie("Casablanca");
    const int brazil = addMovie("Brazil");
    addMovie("Alien");
    givePicture(brazil);
    openWindow();
    QAbstractItemModelTester tester(&window().movieListModel());
    window().resize(1280, 760);
    trigger("mnuViewCovers");
    ASSERT_TRUE(grid().isVisible());
    EXPECT_FALSE(window().movieList().isVisible());
    EXPECT_EQ(cells(), (QStringList{"Alien", "Brazil", "Casablanca"}));
    EXPECT_EQ(cells(true), QStringList{"Alien"}) << "the list's selection";
    QTRY_VERIFY(showsPicture(grid(), 1));
    EXPECT_FALSE(showsPicture(grid(), 0));

    clickCell("Casablanca");
    EXPECT_EQ(shownTitle(), "Casablanca");
    EXPECT_EQ(selectedRow(), 2);

    clickCell("Alien");
    const QString photo = files.path("alien.png");
    test::WriteFile(photo, test::Encoded(test::DrawnPicture(300, 200), "PNG"));
    QMimeData drop;
    drop.setUrls({QUrl::fromLocalFile(photo)});
    ASSERT_TRUE(test::dropOnto(*window().recordView().imgCover, drop));
    click("cmdSaveChanges");
    QTRY_VERIFY(showsPicture(grid(), 0));

    // The toggle beside the filter line is the same item.
    auto* toggle = find<QToolButton>("tbnCovers");
    ASSERT_TRUE(toggle->isChecked());
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(window().movieList().isVisible());
    EXPECT_FALSE(grid().isVisible());
    EXPECT_EQ(shownTitle(), "Alien");
}

// Only what is asked for is read and decoded, a movie without a picture never, and the cache
// keeps no more than its bound.
TEST(ThumbnailCache, DecodesOnlyWhatCellsAskForAndKeepsABoundedNumber) {
    const QByteArray thumbnail = test::Encoded(test::DrawnPicture(100, 150), "PNG");
    QList<int> read;
    const int kilobytesEach = int(QImage::fromData(thumbnail).sizeInBytes() / 1024);
    ui::ThumbnailCache cache(
        [&](int movieId) {
            read.append(movieId);
            return movieId == 13 ? QByteArray("damaged") : thumbnail;
        },
        2 * kilobytesEach);
    QSet<int> withPictures;
    for (int id = 1; id <= 1000; ++id)
        withPictures.insert(id);
    cache.setMoviesWithPictures(withPictures);
    QSignalSpy loaded(&cache, &ui::ThumbnailCache::loaded);

    EXPECT_TRUE(cache.find(5000).isNull());
    for (int id : {10, 11, 12})
        EXPECT_TRUE(cache.find(id).isNull()) << "not read while the cell paints";
    ASSERT_TRUE(loaded.wait());
    EXPECT_EQ(read, (QList<int>{12, 11, 10})) << "the latest asked first, nothing else";
    cache.setMoviesWithPictures(withPictures);
    EXPECT_EQ(cache.find(11).size(), QSize(100, 150))
        << "a refill that changes no picture keeps it";
    EXPECT_FALSE(cache.find(10).isNull());
    EXPECT_TRUE(cache.find(12).isNull()) << "two fit: the one used longest ago made room";
    ASSERT_TRUE(loaded.wait());
    EXPECT_EQ(read.size(), 4);

    EXPECT_TRUE(cache.find(13).isNull());
    ASSERT_TRUE(loaded.wait());
    EXPECT_LE(cache.find(13).width(), 1) << "a damaged thumbnail is kept as nothing";
    cache.forget(11, false);
    EXPECT_TRUE(cache.find(11).isNull());
    EXPECT_FALSE(cache.hasPicture(11));
    QCoreApplication::processEvents();
    EXPECT_EQ(read.size(), 5) << "neither is read again";
}

}  // namespace
