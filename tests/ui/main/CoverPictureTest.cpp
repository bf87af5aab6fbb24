#include "MainWindowFixture.h"

#include "db/MoviePictures.h"
#include "support/TestData.h"
#include "support/TestPictures.h"
#include "support/UserInput.h"
#include "ui/common/CoverPictureWidget.h"
#include "ui/main/RecordView.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

class CoverPicture : public test::MainWindowTest {
protected:
    ui::CoverPictureWidget& cover() { return *window().recordView().imgCover; }
    QSize storedSize(int movieId) {
        const db::PictureData stored = db::ReadMoviePicture(connection(), movieId);
        return {stored.width, stored.height};
    }
    QString pictureFile(const char* name, const QByteArray& bytes) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(test::WriteFile(path, bytes));
        return path;
    }
    bool dropFile(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        return test::dropOnto(cover(), data);
    }
    // The right button on the cover, then a click on the item of its menu.
    void chooseFromMenu(const char* itemName) {
        const QPoint centre = cover().rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre, cover().mapToGlobal(centre));
        QCoreApplication::sendEvent(&cover(), &event);
        QMenu& menu = cover().menu();
        QTRY_VERIFY(menu.isVisible());
        auto* item = menu.findChild<QAction*>(QString::fromLatin1(itemName));
        ASSERT_NE(item, nullptr) << itemName;
        ASSERT_TRUE(item->isEnabled()) << itemName;
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(item).center());
    }
    bool saveEnabled() { return find<QPushButton>("cmdSaveChanges")->isEnabled(); }

    QTemporaryDir folder;
};

// A file from a file manager, a browser's image data and the clipboard each put a picture on
// the shown movie as an edit: nothing is stored until the movie is saved.
TEST_F(CoverPicture, DropsAndPasteArePendingUntilTheMovieIsSaved) {
    const int alien = addMovie("Alien");
    const int brazil = addMovie("Brazil");
    openWindow();
    EXPECT_EQ(cover().accessibleName(), "Cover picture");
    EXPECT_FALSE(cover().hasPicture()) << "a placeholder";

    ASSERT_TRUE(dropFile(pictureFile("alien.jpg", test::JpegBytes(1600, 1200))));
    EXPECT_TRUE(cover().hasPicture());
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(db::ReadMoviePicture(connection(), alien).isEmpty()) << "stored before Save";
    click("cmdSaveChanges");
    EXPECT_EQ(storedSize(alien), QSize(1000, 750));

    // A browser drags the image's bytes along with its web address.
    clickRow(1);
    ASSERT_EQ(shownTitle(), "Brazil");
    EXPECT_FALSE(cover().hasPicture());
    QMimeData browser;
    browser.setData("image/png", test::Encoded(test::DrawnPicture(300, 400, true), "PNG"));
    browser.setUrls({QUrl("https://pictures.example/brazil.png")});
    ASSERT_TRUE(test::dropOnto(cover(), browser));
    clickRow(0);  // leaving the movie saves it first
    EXPECT_EQ(db::ReadMoviePicture(connection(), brazil).format, "png");
    const QSize shown = cover().picture().size();
    EXPECT_NEAR(double(shown.width()) / shown.height(), 4.0 / 3, 0.02)
        << "Alien's cover is shown again, aspect kept";

    // Ctrl+V on the focused cover takes what the test put on the clipboard.
    QGuiApplication::clipboard()->setImage(test::DrawnPicture(500, 250));
    QTest::mouseClick(&cover(), Qt::LeftButton);
    QTest::keyClick(&cover(), Qt::Key_V, Qt::ControlModifier);
    click("cmdSaveChanges");
    EXPECT_EQ(storedSize(alien), QSize(500, 250));
    EXPECT_TRUE(ui.exchanges().empty()) << ui.texts().join('\n').toStdString();
}

// Choosing a file goes through the file dialog; removing is an edit like any other.
TEST_F(CoverPicture, ChooseAndRemoveFromTheContextMenu) {
    const int alien = addMovie("Alien");
    openWindow();
    ui.chooseFile(pictureFile("cover.png", test::Encoded(test::DrawnPicture(200, 300), "PNG")));
    chooseFromMenu("mnuChoosePicture");
    click("cmdSaveChanges");
    EXPECT_EQ(storedSize(alien), QSize(200, 300));
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].kind, test::Exchange::Kind::File);

    chooseFromMenu("mnuRemovePicture");
    EXPECT_FALSE(cover().hasPicture());
    EXPECT_FALSE(db::ReadMoviePicture(connection(), alien).isEmpty()) << "removed before Save";
    click("cmdSaveChanges");
    EXPECT_TRUE(db::ReadMoviePicture(connection(), alien).isEmpty());
}

// The add-it question of a save decides for the picture as for the fields: only Yes writes it.
TEST_F(CoverPicture, NoAndCancelLeaveTheStoredPictureAsItWas) {
    const int alien = addMovie("Alien");
    openWindow();
    for (ui::Answer answer : {ui::Answer::No, ui::Answer::Cancel, ui::Answer::Yes}) {
        ASSERT_TRUE(dropFile(pictureFile("alien.jpg", test::JpegBytes(400, 300))));
        test::typeInto(*find<QComboBox>("cboLocation")->lineEdit(), "Attic");
        QTest::keyClick(find<QComboBox>("cboLocation")->lineEdit(), Qt::Key_Tab);
        ui.answer(answer);
        click("cmdSaveChanges");
        EXPECT_EQ(db::ReadMoviePicture(connection(), alien).isEmpty(), answer != ui::Answer::Yes)
            << int(answer);
    }
    EXPECT_EQ(storedSize(alien), QSize(400, 300));
}

// What holds no usable picture is refused with its reason; the movie is not marked changed and
// its stored picture stays.
TEST_F(CoverPicture, BadInputIsRefusedAndLeavesTheMovieAsItWas) {
    const int alien = addMovie("Alien");
    openWindow();
    ASSERT_TRUE(dropFile(pictureFile("good.jpg", test::JpegBytes(300, 200))));
    click("cmdSaveChanges");
    const QByteArray stored = db::ReadMoviePicture(connection(), alien).picture;
    const QByteArray photo = test::JpegBytes(300, 200);
    const std::pair<QString, const char*> files[] = {
        {pictureFile("notes.jpg", "not a picture"), "is not a picture"},
        {pictureFile("cut.jpg", photo.left(photo.size() - 200)), "incomplete JPEG"},
        {pictureFile("bomb.jpg", test::JpegClaiming(50000, 50000)), "50000 × 50000"},
        {folder.filePath("gone.jpg"), "does not exist"},
    };
    for (const auto& [path, reason] : files) {
        ui.acknowledge();
        ASSERT_TRUE(dropFile(path));
        ASSERT_FALSE(ui.exchanges().empty());
        EXPECT_TRUE(ui.exchanges().back().text.contains(QString::fromUtf8(reason)))
            << ui.exchanges().back().text.toStdString();
        EXPECT_FALSE(saveEnabled()) << reason;
    }
    QMimeData remote;
    remote.setUrls({QUrl("https://pictures.example/alien.jpg")});
    ui.acknowledge();
    ASSERT_TRUE(test::dropOnto(cover(), remote));
    EXPECT_TRUE(ui.exchanges().back().text.contains("Only a picture on this computer"));
    QMimeData text;
    text.setText("Alien");
    EXPECT_FALSE(test::dropOnto(cover(), text)) << "plain text is not taken";
    EXPECT_EQ(db::ReadMoviePicture(connection(), alien).picture, stored);
    EXPECT_FALSE(saveEnabled());
}

}  // namespace
