#include "settings/FilmSiteAddress.h"
#include "settings/Settings.h"
#include "support/ScriptedUserInterface.h"
#include "ui/common/FilmSitePicture.h"
#include "ui/shell/FilmSiteDialog.h"
#include "ui/shell/FilmSiteSearch.h"

#include <gtest/gtest.h>
#include <QEnterEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using settings::FilmSiteAddress;
using settings::FilmSiteSearch;

// "&" and letters beyond ASCII are checked through SearchFilmSite, as the browser gets them; a
// name searched given name first through the actors' list.
TEST(FilmSiteAddress, WordsAreJoinedByOnePlusAndSignsAreEncoded) {
    const std::pair<const char*, const char*> cases[] = {
        {"  Star   Wars ", "Star+Wars"}, {"", ""}, {"C++ #1?", "C%2B%2B+%231%3F"}};
    for (const auto& [words, query] : cases)
        EXPECT_EQ(FilmSiteAddress("www.imdb.com", FilmSiteSearch::Title, words),
                  QStringLiteral("https://www.imdb.com/find/?q=%1&s=tt").arg(query));
    EXPECT_EQ(settings::SwapAroundComma("Bacon,Kevin, Jr."), "Kevin, Jr. Bacon");
    EXPECT_EQ(settings::SwapAroundComma("Kevin Bacon"), "Kevin Bacon");
}

class FilmSiteSetting : public testing::Test {
protected:
    QTemporaryDir directory;
    settings::Settings settings{directory.filePath("KIB.conf")};
    test::ScriptedUserInterface ui;
};

TEST_F(FilmSiteSetting, SearchOpensTheAddressOnTheChosenHostAndSaysNothingOnFailure) {
    ui.openUrlSucceeds(false).openUrlSucceeds(true);
    ui::SearchFilmSite(ui, settings, FilmSiteSearch::Title, "Fast & Furious");
    settings.setValue(settings::key::IMDbSite, " m.imdb.com ");
    ui::SearchFilmSite(ui, settings, FilmSiteSearch::Name, "Amélie Poulain");
    ASSERT_EQ(ui.exchanges().size(), 2u);
    EXPECT_EQ(QUrl(ui.exchanges()[0].text).toEncoded(),
              "https://www.imdb.com/find/?q=Fast+%26+Furious&s=tt");
    EXPECT_EQ(QUrl(ui.exchanges()[1].text).toEncoded(),
              "https://m.imdb.com/find/?q=Am%C3%A9lie+Poulain&s=nm");
}

TEST_F(FilmSiteSetting, TheStoredHostSelectsItsOptionAndOnlyOKStoresTheChoice) {
    // The stored host, the option shown checked, the option clicked, the button, what is stored.
    struct Case {
        const char* stored;
        int checked;
        int clicked;
        const char* button;
        const char* kept;
    };
    const Case cases[] = {
        {nullptr, 0, 3, "cmdCancel", "(nothing)"},
        {"  UK.IMDb.com ", 1, 2, "cmdOK", "www.imdb.de"},
        {"films.example.org", -1, -1, "cmdOK", "films.example.org"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.button);
        if (test.stored)
            settings.setValue(settings::key::IMDbSite, test.stored);
        ui::FilmSiteDialog dialog(settings);
        for (int index = 0; index < 4; ++index)
            EXPECT_EQ(dialog.optIMDb(index)->isChecked(), index == test.checked) << index;
        if (test.clicked >= 0)
            QTest::mouseClick(dialog.optIMDb(test.clicked), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>(test.button), Qt::LeftButton);
        const QString key = QString::fromLatin1(settings::key::IMDbSite);
        EXPECT_EQ(settings.contains(key) ? settings.value(key, {}) : "(nothing)", test.kept);
    }
}

TEST(FilmSitePicture, HighlightsUnderThePointerAndStaysClickableWhenGreyed) {
    ui::FilmSitePicture picture;
    picture.show();
    QSignalSpy clicks(&picture, &ui::FilmSitePicture::clicked);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&picture, &enter);
    EXPECT_EQ(picture.look(), ui::FilmSitePicture::Look::Highlighted);
    picture.setGreyed(true);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&picture, &leave);
    EXPECT_EQ(picture.look(), ui::FilmSitePicture::Look::Greyed);
    QTest::mouseClick(&picture, Qt::LeftButton);
    QTest::keyClick(&picture, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);
}

}  // namespace
