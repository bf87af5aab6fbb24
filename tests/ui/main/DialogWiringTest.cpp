#include "MainWindowFixture.h"

#include "db/MovieDetails.h"
#include "db/Movies.h"
#include "support/UserInput.h"
#include "ui/common/FilmSitePicture.h"
#include "ui/main/RecordView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {

using test::child;
using test::MainWindowTest;

TEST_F(MainWindowTest, TheActorSearchLooksTheNameUpInThePicker) {
    const int heat = addMovie("Heat");
    addMovie("Other");
    db::SetMovieCast(connection(), heat, {"Al Pacino"});
    openWindow();
    ui.inDialog([this](QDialog& search) {
        ui.inDialog([](QDialog& picker) {
            EXPECT_EQ(picker.objectName(), "frmLookupActor");
            test::choose(child<QListWidget>(picker, "lstData"), "Al Pacino");
            test::click(picker, "cmdSelect");
            return picker.result();
        });
        test::click(search, "cmdLookup");
        EXPECT_EQ(child<QLineEdit>(search, "txtSearch").text(), "Al Pacino");
        test::click(search, "cmdSearch");
        return search.result();
    });
    trigger("mnuSearchActor");
    EXPECT_EQ(listedTitles(), QStringList{"Heat"});
}

TEST_F(MainWindowTest, ThePickedActorAndTheChosenGenresAreSavedWithTheMovie) {
    const int alien = addMovie("Alien", "9");
    openWindow();
    ui.inDialog([](QDialog& picker) {
        EXPECT_EQ(picker.objectName(), "frmSelectActor");
        test::choose(child<QListWidget>(picker, "lstData"), "Sigourney Weaver");
        test::click(picker, "cmdSelect");
        return picker.result();
    });
    click("cmdAddActor");
    EXPECT_TRUE(window().AnyChanges());
    ui.inDialog([](QDialog& genres) {
        QListWidget& list = child<QListWidget>(genres, "lstGenre");
        EXPECT_EQ(test::selectedEntries(list), QStringList{"Horror"});
        test::click(genres, "cmdClear");
        for (const char* name : {"Comedy", "Drama"})
            test::choose(list, name);
        test::click(genres, "cmdOK");
        return genres.result();
    });
    click("cmdSetGenre");
    EXPECT_EQ(field("txtGenres").text(), "Comedy, Drama");
    click("cmdSaveChanges");
    const db::MovieDetails saved = *db::ReadMovie(connection(), alien);
    EXPECT_EQ(saved.cast, QStringList{"Sigourney Weaver"});
    EXPECT_EQ(saved.genres.names, "Comedy / Drama");
}

TEST_F(MainWindowTest, ARenamedLocationReachesTheShownMovieAndTheList) {
    const int alien = addMovie("Alien");
    addMovie("Brazil", {}, 3);
    openWindow();
    clickRow(1);
    ui.inDialog([this](QDialog& locations) {
        EXPECT_EQ(locations.objectName(), "frmLocations");
        test::choose(child<QAbstractItemView>(locations, "lstData"), "Theater Room");
        ui.inDialog([](QDialog& edit) {
            test::typeInto(child<QLineEdit>(edit, "txtName"), "Cinema");
            test::click(edit, "cmdSave");
            return edit.result();
        });
        test::click(locations, "cmdEdit");
        test::click(locations, "cmdClose");
        return locations.result();
    });
    trigger("mnuSetupStorageLocations");
    EXPECT_EQ(shownTitle(), "Brazil") << "the selection stays";
    EXPECT_EQ(find<QComboBox>("cboLocation")->currentText(), "Cinema");
    type("txtDirector", "Terry Gilliam");
    click("cmdSaveChanges");
    EXPECT_FALSE(window().AnyChanges());
    EXPECT_EQ(ui.exchanges().size(), 2u) << "no question about the old name";
    EXPECT_EQ(db::ReadMovie(connection(), alien)->locationName, "Living Room");
}

TEST_F(MainWindowTest, TheFilmSitePictureLooksUpTheShownTitle) {
    addMovie("Fast & Furious");
    openWindow();
    ui.openUrlSucceeds(true);
    QTest::mouseClick(window().recordView().imgIMDb, Qt::LeftButton);
    ASSERT_EQ(ui.exchanges().size(), 1u);
    EXPECT_EQ(ui.exchanges()[0].text, "https://www.imdb.com/find/?q=Fast+%26+Furious&s=tt");
}

TEST_F(MainWindowTest, TheActorCleanUpAsksAndKeepsAnActorJustGivenToTheShownMovie) {
    const int alien = addMovie("Alien");
    openWindow();
    ui.inDialog([](QDialog& picker) {  // picked, not yet saved
        test::doubleClick(child<QListWidget>(picker, "lstData"), "Sigourney Weaver");
        return picker.result();
    });
    click("cmdAddActor");
    const auto actors = [this] { return connection().scalar("SELECT COUNT(*) FROM [Actor]"); };
    const QVariant before = actors();
    ui.answer(ui::Answer::No).answer(ui::Answer::Yes).acknowledge();
    trigger("mnuSetupDeleteUnusedActors");
    EXPECT_EQ(actors(), before) << "No deletes nothing";
    trigger("mnuSetupDeleteUnusedActors");
    waitUntilWorkEnds();
    EXPECT_EQ(ui.texts().mid(2), (QStringList{"Delete all actors that are not currently used?",
                                              "183 actors deleted."}));
    EXPECT_EQ(db::ReadMovie(connection(), alien)->cast, QStringList{"Sigourney Weaver"});
}

TEST_F(MainWindowTest, StartOverLeavesNoEditOfTheOldCatalogueBehind) {
    addMovie("Alien");
    openWindow();
    type("txtDirector", "Ridley Scott");
    ui.inDialog([this](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmStartOver");
        QTest::mouseClick(&child<QCheckBox>(dialog, "chkStartOver1"), Qt::LeftButton);
        ui.answer(ui::Answer::Yes).acknowledge();
        test::click(dialog, "cmdStartOver");
        waitUntilWorkEnds();  // the backup runs on the worker
        return dialog.result();
    });
    trigger("mnuToolsStartOver");
    EXPECT_TRUE(listedTitles().isEmpty());
    EXPECT_EQ(connection().scalar("SELECT COUNT(*) FROM [Movie]").toInt(), 0);
    EXPECT_EQ(connection().scalar("SELECT COUNT(*) FROM [MovieActor]").toInt(), 0);
    EXPECT_FALSE(window().AnyChanges());
    const QStringList backups = QDir(files.path("Backups")).entryList({"KIB-*.db"});
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(ui.texts().last(), "System reset.\n\nThe catalogue as it was before is kept in '" +
                                     files.path("Backups/" + backups[0]) + "'.");
    db::Catalogue kept(files.path("Backups"));
    kept.OpenDatabase(QFileInfo(backups[0]).completeBaseName(), db::Catalogue::Sharing::Shared);
    EXPECT_EQ(db::ReadMovie(kept.connection(), 1)->record.director, "Ridley Scott")
        << "the backup holds the old catalogue, with the edit saved before the reset";
}

}  // namespace
