#include "MainWindowFixture.h"

#include "db/Connection.h"
#include "ui/common/UserInterface.h"

namespace {

using test::MainWindowTest;

class ChangedElsewhereTest : public MainWindowTest {
protected:
    // Another program, writing the catalogue through a connection of its own.
    void changeElsewhere(const QString& sql) {
        auto other = db::Connection::open(files.catalogue().filePath());
        other->execute(sql);
    }
    QString storedDirector(int movieId) {
        return connection()
            .scalar("SELECT [Director] FROM [Movie] WHERE [MovieId] = ?", {movieId})
            .toString();
    }
};

TEST_F(ChangedElsewhereTest, SaveAsksBeforeWritingOverAChangeMadeByAnotherProgram) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    clickRow(0);
    ASSERT_EQ(shownTitle(), "Alien");

    // Edits of a movie nobody else touched are saved without a word.
    type("txtTitle", "Alien (1979)");
    click("cmdSaveChanges");
    EXPECT_TRUE(ui.exchanges().empty());
    EXPECT_EQ(storedTitle(alien), "Alien (1979)");

    const QString byOther = QStringLiteral(
        "UPDATE [Movie] SET [Director] = 'Ridley Scott' WHERE [Title] = 'Alien (1979)'");
    changeElsewhere(byOther);
    type("txtTitle", "Alien: the first");
    ui.answer(ui::Answer::Cancel);
    click("cmdSaveChanges");
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].title, "Movie changed");
    EXPECT_TRUE(ui.exchanges()[0].text.startsWith(
        "'Alien (1979)' has been changed by another program since it was shown here."));
    EXPECT_EQ(storedTitle(alien), "Alien (1979)") << "Cancel writes nothing";
    EXPECT_EQ(storedDirector(alien), "Ridley Scott");
    EXPECT_EQ(field("txtTitle").text(), "Alien: the first") << "the edits stay";
    EXPECT_TRUE(window().AnyChanges());

    ui.answer(ui::Answer::No);
    type("txtTitle", "Alien: the second");  // Save is off after every press, until an edit
    click("cmdSaveChanges");
    EXPECT_EQ(storedTitle(alien), "Alien (1979)");
    EXPECT_EQ(field("txtDirector").text(), "Ridley Scott") << "the stored movie is shown";
    EXPECT_EQ(field("txtTitle").text(), "Alien (1979)");
    EXPECT_FALSE(window().AnyChanges());

    changeElsewhere(QStringLiteral("UPDATE [Movie] SET [Director] = 'R. Scott'"));
    type("txtTitle", "Alien: mine");
    ui.answer(ui::Answer::Yes);
    click("cmdSaveChanges");
    EXPECT_EQ(storedTitle(alien), "Alien: mine");
    EXPECT_EQ(storedDirector(alien), "Ridley Scott") << "the fields as shown were written";
    EXPECT_EQ(ui.exchanges().size(), 3u);

    // A cast written by another program is a change too.
    changeElsewhere(QStringLiteral("INSERT INTO [MovieActor] VALUES (%1, 1)").arg(alien));
    type("txtTitle", "Alien: again");
    ui.answer(ui::Answer::Cancel);
    click("cmdSaveChanges");
    EXPECT_EQ(ui.exchanges().size(), 4u);
    EXPECT_EQ(storedTitle(alien), "Alien: mine");
}

}  // namespace
