#include "db/Movies.h"
#include "db/Transaction.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"
#include "support/UserInput.h"
#include "ui/shell/AboutDialog.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTest>

namespace {

class AboutBox : public testing::Test {
protected:
    test::TestCatalogue files;
    test::ScriptedUserInterface ui;
    const QLocale previousLocale;

    void TearDown() override {
        QLocale::setDefault(previousLocale);
        EXPECT_TRUE(ui.scriptUsedUp());
    }
    QString countShown() {
        ui::AboutDialog dialog(ui, files.catalogue());
        return test::child<QLabel>(dialog, "lblPgCnt").text();
    }
};

TEST(Version, TheRevisionHasAtLeastTwoDigits) {
    EXPECT_EQ(ui::VersionText(1, 2, 5), "Tallowmere Movie Database 1.2.05");
    EXPECT_EQ(ui::VersionText(10, 0, 123), "Tallowmere Movie Database 10.0.123");
}

TEST_F(AboutBox, CountsEveryMovieWithTheLocalesDigitGrouping) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    db::Connection& connection = files.open();
    EXPECT_EQ(countShown(), "Movies on file: 0");
    {
        db::Transaction transaction(connection);
        db::MovieRecord movie;
        for (int number = 0; number < 1234; ++number) {
            movie.title = QStringLiteral("Movie %1").arg(number);
            ASSERT_GT(db::InsertMovie(connection, movie), 0);
        }
    }
    EXPECT_EQ(countShown(), "Movies on file: 1,234");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(countShown(), "Movies on file: 1.234");
    files.catalogue().close();
    EXPECT_EQ(countShown(), "Movies: 0") << "a closed catalogue keeps the designed caption";
}

TEST_F(AboutBox, TheLinkAsksFirstAndReportsABrowserThatWouldNotStart) {
    files.open();
    ui::AboutDialog dialog(ui, files.catalogue());
    QLabel& lblWeb = test::child<QLabel>(dialog, "lblWeb");
    ui.answer(ui::Answer::No);
    QTest::mouseClick(&lblWeb, Qt::LeftButton);
    ui.answer(ui::Answer::Yes).openUrlSucceeds(false).acknowledge();
    QTest::mouseClick(&lblWeb, Qt::LeftButton);
    ui.answer(ui::Answer::Yes).openUrlSucceeds(true);
    QTest::keyClick(&lblWeb, Qt::Key_Return);

    ASSERT_EQ(ui.exchanges().size(), 6u);
    EXPECT_EQ(ui.exchanges()[0].title, "Internet Question");
    EXPECT_EQ(ui.exchanges()[0].text, "Load the Tallowmere Software website?");
    EXPECT_EQ(ui.exchanges()[3].title, ui::ProductTitle);
    EXPECT_EQ(ui.exchanges()[3].text, "Could not launch browser.");
    const QUrl opened(ui.exchanges()[5].text);
    EXPECT_TRUE(opened.isLocalFile());
    EXPECT_TRUE(QFile::exists(opened.toLocalFile())) << opened.toLocalFile().toStdString();
    EXPECT_TRUE(opened.toLocalFile().endsWith("/README.md"));
}

TEST_F(AboutBox, TheInstalledReadmeIsPreferredWhenItExists) {
    const QString installed = files.path("share/doc/tallowmere/README.md");
    const QString source = files.path("README.md");
    EXPECT_EQ(ui::MakerWebAddress(installed, source), QUrl::fromLocalFile(source));
    ASSERT_TRUE(QDir().mkpath(files.path("share/doc/tallowmere")));
    ASSERT_TRUE(test::WriteFile(installed, {}));
    EXPECT_EQ(ui::MakerWebAddress(installed, source), QUrl::fromLocalFile(installed));
}

}  // namespace
