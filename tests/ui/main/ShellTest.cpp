#include "MainWindowFixture.h"

#include "db/MovieDetails.h"
#include "db/Movies.h"
#include "settings/Settings.h"
#include "support/TestData.h"
#include "support/UserInput.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MovieListView.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

using test::MainWindowTest;

// Every way of leaving a changed movie tries to save it first, and goes no further when the
// save is refused (No to adding a location).
struct LeavingCommand {
    const char* name;
    std::function<void(MainWindowTest&)> run;
};

class LeavingAChangedMovie : public MainWindowTest,
                             public testing::WithParamInterface<LeavingCommand> {};

// No and Cancel to the add-it question both keep the edits pending: the next try asks again.
TEST_P(LeavingAChangedMovie, SavesFirstAndStopsWhenTheSaveIsRefusedOrCancelled) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    type("txtLabelNumber", "L-7");
    test::typeInto(*find<QComboBox>("cboLocation")->lineEdit(), "Nowhere");
    size_t asked = 0;
    for (const ui::Answer answer : {ui::Answer::No, ui::Answer::Cancel, ui::Answer::Cancel}) {
        ui.answer(answer);
        GetParam().run(*this);
        ASSERT_EQ(ui.exchanges().size(), ++asked) << "nothing after the stopped save";
        EXPECT_EQ(ui.exchanges().back().title, "Add Location?");
        EXPECT_TRUE(window().isVisible());
        EXPECT_TRUE(window().AnyChanges());
        EXPECT_TRUE(find<QPushButton>("cmdSaveChanges")->isEnabled());
        EXPECT_EQ(shownTitle(), "Alien");
        EXPECT_EQ(field("txtLabelNumber").text(), "L-7");
    }
    EXPECT_EQ(listedTitles(), (QStringList{"Alien", "Brazil"}));
    EXPECT_EQ(db::ReadMovie(connection(), alien)->record.labelNumber, "");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LeavingAChangedMovie,
    testing::Values(
        LeavingCommand{"Next", [](MainWindowTest& t) { t.click("cmdNextMovie"); }},
        LeavingCommand{"Previous", [](MainWindowTest& t) { t.trigger("mnuFilePreviousMovie"); }},
        LeavingCommand{"AddMovie", [](MainWindowTest& t) { t.click("cmdAddMovie"); }},
        LeavingCommand{"DeleteMovie", [](MainWindowTest& t) { t.click("cmdDeleteMovie"); }},
        LeavingCommand{"Open", [](MainWindowTest& t) { t.trigger("mnuFileOpen"); }},
        LeavingCommand{"Exit", [](MainWindowTest& t) { t.trigger("mnuFileExit"); }},
        LeavingCommand{
            "Esc",
            [](MainWindowTest& t) { QTest::keyClick(t.window().windowHandle(), Qt::Key_Escape); }},
        LeavingCommand{"SaveChanges", [](MainWindowTest& t) { t.click("cmdSaveChanges"); }},
        LeavingCommand{"CloseBox", [](MainWindowTest& t) { t.window().close(); }},
        LeavingCommand{"OtherRow", [](MainWindowTest& t) { t.clickRow(1); }}),
    [](const testing::TestParamInfo<LeavingCommand>& info) { return info.param.name; });

// The close box and a signal that ends the program save the shown movie without asking; a save
// that would need a question is given up.
TEST_F(MainWindowTest, TheCloseBoxAndAnEndingProgramSaveWithoutAsking) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    type("txtDirector", "Ridley Scott");
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(files.catalogue().isOpen());
    EXPECT_TRUE(files.settings().contains("frmWizard.WindowState"));
    openWindow();
    EXPECT_EQ(db::ReadMovie(connection(), alien)->record.director, "Ridley Scott");

    type("txtProducer", "Gordon Carroll");
    window().endOnSignal();
    EXPECT_FALSE(files.catalogue().isOpen());
    openWindow();
    EXPECT_EQ(db::ReadMovie(connection(), alien)->record.producer, "Gordon Carroll");

    clickRow(1);
    test::typeInto(*find<QComboBox>("cboLocation")->lineEdit(), "Nowhere");
    window().endOnSignal();
    EXPECT_TRUE(ui.exchanges().empty()) << "a question would wait for no one";
    EXPECT_FALSE(files.catalogue().isOpen());
}

TEST_F(MainWindowTest, ExitAsksAndOnlyYesCloses) {
    const int alien = addMovie("Alien");
    openWindow();
    type("txtDirector", "Ridley Scott");
    ui.answer(ui::Answer::No);
    trigger("mnuFileExit");
    EXPECT_EQ(ui.exchanges()[0].text, "Exit Tallowmere Movie Database?");
    EXPECT_EQ(ui.exchanges()[0].title, "Tallowmere Movie Database");
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(db::ReadMovie(connection(), alien)->record.director, "Ridley Scott")
        << "saved before the question";
    ui.answer(ui::Answer::Cancel).answer(ui::Answer::Yes);
    QTest::keyClick(&window(), Qt::Key_Escape);
    EXPECT_TRUE(window().isVisible());
    click("cmdClose");
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(files.catalogue().isOpen());
}

TEST_F(MainWindowTest, OpenCreatesTheNamedCatalogueAndSaysSo) {
    addMovie("Alien");
    openWindow();
    ui.type(QString("my films 2")).acknowledge();
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.exchanges()[0].title, "Open Movie Database");
    EXPECT_EQ(ui.exchanges()[1].text, "'MYFILMS2' database opened.  Click on Add Movie to begin.");
    EXPECT_TRUE(QFile::exists(files.path("MYFILMS2.db")));
    EXPECT_EQ(window().windowTitle(), "Tallowmere Movie Database (MYFILMS2)");
    EXPECT_EQ(files.settings().value(settings::key::DBName), "MYFILMS2");
    EXPECT_FALSE(field("txtTitle").isEnabled());

    ui.type(QString(" -- ")).acknowledge();
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.exchanges()[3].text, "'KIB' database opened.");
    EXPECT_EQ(listedTitles(), QStringList{"Alien"});

    ui.type(QString(300, 'A')).acknowledge();
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.exchanges()[5].text, "A catalogue name can have at most 100 letters and digits.");
    ui.type(std::nullopt);
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.exchanges().size(), 7u) << "Cancel changes nothing";
    EXPECT_EQ(window().windowTitle(), "Tallowmere Movie Database (KIB)");
    EXPECT_EQ(files.settings().value(settings::key::DBName), "KIB");
}

TEST_F(MainWindowTest, AFailedOpenKeepsTheWindowUsable) {
    addMovie("Alien");
    openWindow();
    ASSERT_TRUE(test::WriteFile(files.path("NOTES.db"), "not a catalogue"));
    ui.type(QString("notes")).acknowledge();
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.exchanges()[1].title, "Error");
    EXPECT_TRUE(ui.exchanges()[1].text.contains("NOTES.db"));
    EXPECT_EQ(window().windowTitle(), "Tallowmere Movie Database (KIB)");
    EXPECT_EQ(files.settings().value(settings::key::DBName), "KIB");
    click("cmdNextMovie");
    EXPECT_EQ(shownTitle(), "Alien");

    // The one that was open cannot come back either: an empty window in which Open still works.
    QFile::rename(files.path("KIB.db"), files.path("KIB.db.away"));
    QFile::copy(files.path("NOTES.db"), files.path("KIB.db"));
    ui.type(QString("notes")).acknowledge().acknowledge();
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.exchanges().size(), 5u);
    EXPECT_TRUE(ui.exchanges()[4].text.contains("KIB.db"));
    EXPECT_TRUE(listedTitles().isEmpty());
    EXPECT_FALSE(field("txtTitle").isEnabled());
    QFile::remove(files.path("KIB.db"));
    QFile::rename(files.path("KIB.db.away"), files.path("KIB.db"));
    ui.type(QString("KIB")).acknowledge();
    trigger("mnuFileOpen");
    EXPECT_EQ(listedTitles(), QStringList{"Alien"});
}

TEST_F(MainWindowTest, ThePopupDeletesTheMovieRightClicked) {
    addMovie("Alien");
    const int brazil = addMovie("Brazil");
    openWindow();
    rightClickRow(1);
    EXPECT_EQ(window().popupMovieId(), brazil);
    EXPECT_EQ(shownTitle(), "Brazil");
    QMenu& popup = window().menus().popup();
    ASSERT_TRUE(popup.isVisible());
    QAction& deleteItem = window().menus().item("mnuPopupDelete");
    ui.answer(ui::Answer::Yes);
    QTest::mouseClick(&popup, Qt::LeftButton, {}, popup.actionGeometry(&deleteItem).center());
    EXPECT_EQ(ui.texts(), QStringList{"Delete movie 'Brazil'?"});
    EXPECT_EQ(listedTitles(), QStringList{"Alien"});
}

}  // namespace
