#include "app/FilmSite.h"
#include "app/FilmSiteDialog.h"
#include "app/Settings.h"
#include "support/ScriptedUserInterface.h"
#include "ui/common/FilmSitePicture.h"

#include <gtest/gtest.h>
#include <QEnterEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using app::FilmSiteAddress;
using app::FilmSiteSearch;

TEST(FilmSiteAddress, WordsAreJoinedByOnePlusWhateverTheBlanks) {
    EXPECT_EQ(FilmSiteAddress("www.imdb.com", FilmSiteSearch::Title, "  Star   Wars "),
              "https://www.imdb.com/find/?q=Star+Wars&s=tt");
    EXPECT_EQ(FilmSiteAddress("uk.imdb.com", FilmSiteSearch::Name, "Kevin Bacon"),
              "https://uk.imdb.com/find/?q=Kevin+Bacon&s=nm");
    EXPECT_EQ(FilmSiteAddress("www.imdb.com", FilmSiteSearch::Title, ""),
              "https://www.imdb.com/find/?q=&s=tt");
}

TEST(FilmSiteAddress, SignsAndAccentedLettersReachTheSiteAsTyped) {
    EXPECT_EQ(FilmSiteAddress("www.imdb.com", FilmSiteSearch::Title, "Fast & Furious"),
              "https://www.imdb.com/find/?q=Fast+%26+Furious&s=tt");
    EXPECT_EQ(FilmSiteAddress("www.imdb.com", FilmSiteSearch::Title, "C++ #1?"),
              "https://www.imdb.com/find/?q=C%2B%2B+%231%3F&s=tt");
    EXPECT_EQ(FilmSiteAddress("www.imdb.com", FilmSiteSearch::Title, "Amélie"),
              "https://www.imdb.com/find/?q=Am%C3%A9lie&s=tt");
}

TEST(FilmSiteAddress, ANameWithACommaIsSearchedGivenNameFirst) {
    EXPECT_EQ(app::SwapAroundComma("Bacon, Kevin"), " Kevin Bacon");
    EXPECT_EQ(app::SwapAroundComma("Bacon,Kevin, Jr."), "Kevin, Jr. Bacon");
    EXPECT_EQ(app::SwapAroundComma("Kevin Bacon"), "Kevin Bacon");
    EXPECT_EQ(
        FilmSiteAddress("www.imdb.com", FilmSiteSearch::Name, app::SwapAroundComma("Bacon, Kevin")),
        "https://www.imdb.com/find/?q=Kevin+Bacon&s=nm");
}

class FilmSiteSetting : public testing::Test {
protected:
    QTemporaryDir directory;
    app::Settings settings{directory.filePath("KIB.conf")};
    test::ScriptedUserInterface ui;
};

TEST_F(FilmSiteSetting, SearchOpensTheAddressOnTheChosenHostAndSaysNothingOnFailure) {
    ui.openUrlSucceeds(false).openUrlSucceeds(true);
    app::SearchFilmSite(ui, settings, FilmSiteSearch::Title, "Fast & Furious");
    settings.setValue(app::key::IMDbSite, " m.imdb.com ");
    app::SearchFilmSite(ui, settings, FilmSiteSearch::Name, "Amélie Poulain");
    ASSERT_EQ(ui.exchanges().size(), 2u);
    EXPECT_EQ(QUrl(ui.exchanges()[0].text).toEncoded(),
              "https://www.imdb.com/find/?q=Fast+%26+Furious&s=tt");
    EXPECT_EQ(QUrl(ui.exchanges()[1].text).toEncoded(),
              "https://m.imdb.com/find/?q=Am%C3%A9lie+Poulain&s=nm");
}

TEST_F(FilmSiteSetting, TheStoredHostSelectsItsOptionWhateverItsCaseAndBlanks) {
    settings.setValue(app::key::IMDbSite, "  UK.IMDb.com ");
    app::FilmSiteDialog dialog(settings);
    EXPECT_EQ(dialog.objectName(), "frmIMDb");
    EXPECT_EQ(dialog.windowTitle(), "IMDb Settings");
    EXPECT_FALSE(dialog.optIMDb(0)->isChecked());
    EXPECT_TRUE(dialog.optIMDb(1)->isChecked());

    QTest::mouseClick(dialog.findChild<QRadioButton*>("optIMDb2"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.value(app::key::IMDbSite), dialog.optIMDb(2)->text());
}

TEST_F(FilmSiteSetting, WithNoSettingTheMainHostIsChosenAndCancelStoresNothing) {
    app::FilmSiteDialog dialog(settings);
    EXPECT_TRUE(dialog.optIMDb(0)->isChecked());
    EXPECT_EQ(dialog.optIMDb(0)->text(), app::DefaultFilmSiteHost);
    dialog.optIMDb(3)->setChecked(true);
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(settings.contains(app::key::IMDbSite));
}

TEST_F(FilmSiteSetting, AnUnknownHostSelectsNothingAndOKKeepsIt) {
    settings.setValue(app::key::IMDbSite, "films.example.org");
    app::FilmSiteDialog dialog(settings);
    for (int index = 0; index < 4; ++index)
        EXPECT_FALSE(dialog.optIMDb(index)->isChecked()) << index;
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(settings.value(app::key::IMDbSite), "films.example.org");
}

TEST(FilmSitePicture, HighlightsUnderThePointerAndStaysClickableWhenGreyed) {
    ui::FilmSitePicture picture;
    picture.show();
    QSignalSpy clicks(&picture, &ui::FilmSitePicture::clicked);
    EXPECT_EQ(picture.look(), ui::FilmSitePicture::Look::Normal);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&picture, &enter);
    EXPECT_EQ(picture.look(), ui::FilmSitePicture::Look::Highlighted);
    picture.setGreyed(true);
    EXPECT_EQ(picture.look(), ui::FilmSitePicture::Look::Highlighted);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&picture, &leave);
    EXPECT_EQ(picture.look(), ui::FilmSitePicture::Look::Greyed);

    QTest::mouseClick(&picture, Qt::LeftButton);
    picture.setGreyed(false);
    EXPECT_EQ(picture.look(), ui::FilmSitePicture::Look::Normal);
    QTest::keyClick(&picture, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);
}

}  // namespace
