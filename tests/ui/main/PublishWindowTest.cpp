#include "MainWindowFixture.h"

#include "support/TestData.h"

#include <QDir>
#include <QUrl>

namespace {

using test::MainWindowTest;

class PublishCommand : public MainWindowTest {
protected:
    QString page() const { return files.path("site/index.html"); }
};

TEST_F(PublishCommand, SavesTheShownMovieThenPublishesAndOpensThePage) {
    addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    clickRow(0);
    type("txtTitle", "Aliens");
    ui.chooseFile(page()).answer(ui::Answer::Yes).openUrlSucceeds(true);
    trigger("mnuFilePublish");
    waitUntilWorkEnds();

    ASSERT_TRUE(ui.scriptUsedUp());
    EXPECT_EQ(ui.exchanges()[0].title, "Publish as web page");
    EXPECT_EQ(ui.exchanges()[0].text, QDir::home().filePath("KIB web page/index.html"))
        << "the proposed page";
    EXPECT_EQ(ui.exchanges()[1].text, "2 movies published to '" +
                                          QDir(files.path("site")).absoluteFilePath("index.html") +
                                          "'.\n\nOpen the page in the web browser?");
    EXPECT_EQ(QUrl(ui.exchanges()[2].text).toLocalFile(), QFileInfo(page()).absoluteFilePath());
    const QByteArray published = test::ContentsOf(page());
    EXPECT_TRUE(published.contains("\"Aliens\"")) << "the edit was saved first";
    EXPECT_TRUE(published.contains("\"Brazil\""));
}

TEST_F(PublishCommand, AnEarlierPageIsReplacedOnlyWhenTheUserSaysSo) {
    addMovie("Alien");
    openWindow();
    ui.chooseFile(page()).answer(ui::Answer::No);
    trigger("mnuFilePublish");
    waitUntilWorkEnds();
    addMovie("Brazil");

    ui.chooseFile(page()).answer(ui::Answer::No);
    trigger("mnuFilePublish");
    waitUntilWorkEnds();
    ASSERT_TRUE(ui.scriptUsedUp());
    EXPECT_EQ(ui.texts().last(),
              "'" + QFileInfo(page()).absolutePath() + "' holds a web page already. Replace it?");
    EXPECT_FALSE(test::ContentsOf(page()).contains("\"Brazil\""));

    ui.chooseFile(std::nullopt);
    trigger("mnuFilePublish");
    waitUntilWorkEnds();
    ui.chooseFile(page()).answer(ui::Answer::Yes).answer(ui::Answer::No);
    trigger("mnuFilePublish");
    waitUntilWorkEnds();
    ASSERT_TRUE(ui.scriptUsedUp());
    EXPECT_TRUE(test::ContentsOf(page()).contains("\"Brazil\""));
}

}  // namespace
