#include "MainWindowFixture.h"

#include "app/Settings.h"
#include "db/Movies.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MovieListView.h"
#include "ui/main/RecordView.h"

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

TEST_P(LeavingAChangedMovie, SavesFirstAndStopsWhenTheSaveIsRefused) {
    const int alien = addMovie("Alien");
    addMovie("Brazil");
    openWindow();
    type("txtLabelNumber", "L-7");
    find<QComboBox>("cboLocation")->setEditText("Nowhere");
    ui.answer(ui::Answer::No);
    GetParam().run(*this);
    ASSERT_EQ(ui.exchanges().size(), 1u) << "nothing after the refused save";
    EXPECT_EQ(ui.exchanges()[0].title, "Add Location?");
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().AnyChanges());
    EXPECT_EQ(field("txtTitle").text(), "Alien");
    EXPECT_EQ(field("txtLabelNumber").text(), "L-7");
    EXPECT_EQ(listedTitles(), (QStringList{"Alien", "Brazil"}));
    EXPECT_EQ(
        count("SELECT COUNT(*) FROM [Movie] WHERE [LabelNumber] = 'L-7' AND [MovieId] = ?", alien),
        0);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LeavingAChangedMovie,
    testing::Values(
        LeavingCommand{"Next", [](MainWindowTest& t) { t.window().nextMovie(); }},
        LeavingCommand{"Previous", [](MainWindowTest& t) { t.window().previousMovie(); }},
        LeavingCommand{"AddMovie", [](MainWindowTest& t) { t.window().addMovie(); }},
        LeavingCommand{"DeleteMovie", [](MainWindowTest& t) { t.window().deleteSelectedMovie(); }},
        LeavingCommand{"Open", [](MainWindowTest& t) { t.window().openCatalogue(); }},
        LeavingCommand{"Exit", [](MainWindowTest& t) { t.window().exit(); }},
        LeavingCommand{"CloseBox", [](MainWindowTest& t) { t.window().close(); }},
        LeavingCommand{"OtherRow", [](MainWindowTest& t) { t.window().ShowSelectedMovie(); }}),
    [](const testing::TestParamInfo<LeavingCommand>& info) { return info.param.name; });

TEST_F(MainWindowTest, TheCloseBoxSavesPendingEditsWithoutAsking) {
    const int alien = addMovie("Alien");
    openWindow();
    type("txtDirector", "Ridley Scott");
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(ui.exchanges().empty());
    EXPECT_EQ(files.catalogue().isOpen(), false);
    files.catalogue().OpenDatabase("KIB");
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Movie] WHERE [Director] = 'Ridley Scott' AND "
                    "[MovieId] = ?",
                    alien),
              1);
    EXPECT_TRUE(files.settings().contains("frmWizard.WindowState"));
}

TEST_F(MainWindowTest, ExitAsksAndOnlyYesCloses) {
    const int alien = addMovie("Alien");
    openWindow();
    type("txtDirector", "Ridley Scott");
    ui.answer(ui::Answer::No);
    window().exit();
    EXPECT_EQ(ui.exchanges()[0].text, "Exit Tallowmere Movie Database?");
    EXPECT_EQ(ui.exchanges()[0].title, "Tallowmere Movie Database");
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Movie] WHERE [Director] = 'Ridley Scott' AND "
                    "[MovieId] = ?",
                    alien),
              1)
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
    EXPECT_EQ(files.settings().value(app::key::DBName), "MYFILMS2");
    EXPECT_FALSE(field("txtTitle").isEnabled());

    ui.type(QString(" -- ")).acknowledge();
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.exchanges()[3].text, "'KIB' database opened.");
    EXPECT_EQ(listedTitles(), QStringList{"Alien"});

    ui.type(std::nullopt);
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.exchanges().size(), 5u) << "Cancel changes nothing";
    EXPECT_EQ(window().windowTitle(), "Tallowmere Movie Database (KIB)");
}

TEST_F(MainWindowTest, AFileThatIsNotACatalogueIsRefusedAndTheOpenOneStays) {
    addMovie("Alien");
    openWindow();
    {
        QFile notes(files.path("NOTES.db"));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("not a catalogue");
    }
    ui.type(QString("notes")).acknowledge();
    trigger("mnuFileOpen");
    EXPECT_EQ(ui.exchanges()[1].title, "Error");
    EXPECT_TRUE(ui.exchanges()[1].text.contains("NOTES.db"));
    EXPECT_EQ(window().windowTitle(), "Tallowmere Movie Database (KIB)");
    EXPECT_EQ(files.settings().value(app::key::DBName), "KIB");
    click("cmdNextMovie");  // still usable
    EXPECT_EQ(listedTitles(), QStringList{"Alien"});
}

TEST_F(MainWindowTest, ThePopupDeletesTheMovieNotedWhenItOpened) {
    addMovie("Alien");
    const int brazil = addMovie("Brazil");
    openWindow();
    selectRow(1);
    window().movieList().popupRequested(QPoint(10, 10));
    EXPECT_EQ(window().popupMovieId(), brazil);
    window().menus().popup().close();
    type("txtTitle", "Brazil (director's cut)");
    ui.answer(ui::Answer::Yes);
    trigger("mnuPopupDelete");
    EXPECT_EQ(ui.exchanges()[0].text, "Delete movie 'Brazil'?") << "nothing saved first";
    EXPECT_EQ(listedTitles(), QStringList{"Alien"});
    EXPECT_EQ(count("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] = ?", brazil), 0);
}

}  // namespace
