#include "MainWindowFixture.h"

#include "db/MovieDetails.h"
#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "support/UserInput.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

namespace {

using test::child;

QString peerFile(const char* name) {
    return QStringLiteral(TALLOWMERE_PEER_FILES "/") + QLatin1String(name);
}

class PeerImportCommand : public test::MainWindowTest {
protected:
    // The user presses Import in the preview, after a look at it.
    void confirmPreview(const std::function<void(QDialog&)>& look) {
        ui.inDialog([look](QDialog& preview) {
            look(preview);
            test::click(preview, "cmdImport");
            return preview.result();
        });
    }
    QString notesOf(int movieId) { return db::ReadMovie(connection(), movieId)->record.notes; }
};

TEST_F(PeerImportCommand, ACsvFileComesInAsItsColumnsAreMappedAndTheMappingIsKept) {
    const int amelie = addMovie("Amélie");
    openWindow();
    ui.chooseFile(peerFile("windows1252.csv"));
    ui.inDialog([](QDialog& columns) {
        EXPECT_EQ(columns.objectName(), "frmCsvMapping");
        EXPECT_EQ(child<QTableWidget>(columns, "grdPreview").rowCount(), 2);
        EXPECT_EQ(child<QTableWidget>(columns, "grdPreview").item(0, 0)->text(), "Amélie");
        QComboBox& actors = child<QComboBox>(columns, "cboColumn5");
        EXPECT_EQ(actors.currentText(), "A line of the notes") << "guessed";
        EXPECT_EQ(child<QComboBox>(columns, "cboColumn4").currentText(), "Storage location");
        actors.setFocus();
        QTest::keyClick(&actors, Qt::Key_Home);  // to nothing
        test::click(columns, "cmdOK");
        return columns.result();
    });
    confirmPreview([](QDialog& preview) {
        EXPECT_EQ(child<QLabel>(preview, "lblSummary").text(),
                  "Movies to add: 1\nMovies to update (a movie of the same title is in the "
                  "catalogue): 1");
    });
    ui.acknowledge();
    trigger("mnuToolsImportPeer");
    waitUntilWorkEnds();  // the backup and the import run on the worker

    ASSERT_TRUE(ui.scriptUsedUp());
    const QStringList backups = QDir(files.path("Backups")).entryList({"KIB-*.db"});
    ASSERT_EQ(backups.size(), 1) << "the catalogue had a movie";
    EXPECT_EQ(ui.texts().last(),
              "2 movies imported.\n\nThe catalogue as it was before is kept in '" +
                  files.path("Backups/" + backups[0]) + "'.");
    EXPECT_EQ(notesOf(amelie), "Café \u201CLes Deux Moulins\u201D") << "the actors' column was "
                                                                       "mapped to nothing";
    EXPECT_TRUE(listedTitles().contains("Multi Line"));

    // The same header again: the dialog proposes the kept mapping; Cancel imports nothing.
    ui.chooseFile(peerFile("windows1252.csv"));
    ui.inDialog([](QDialog& columns) {
        EXPECT_EQ(child<QComboBox>(columns, "cboColumn5").currentText(), "(nothing)");
        test::click(columns, "cmdCancel");
        return columns.result();
    });
    trigger("mnuToolsImportPeer");
    waitUntilWorkEnds();
    EXPECT_TRUE(ui.scriptUsedUp());
    EXPECT_EQ(QDir(files.path("Backups")).entryList({"KIB-*.db"}).size(), 1);
}

TEST_F(PeerImportCommand, ACollectionShowsWhatWillNotComeAlongBeforeItComesIn) {
    openWindow();
    ui.chooseFile(peerFile("videos.tc"));
    confirmPreview([](QDialog& preview) {
        const QString details = child<QPlainTextEdit>(preview, "txtDetails").toPlainText();
        EXPECT_TRUE(details.contains("it has no title")) << details.toStdString();
        EXPECT_TRUE(
            details.contains("Fields that did not fit into the notes (at most 255 "
                             "characters), so they are left out: 1, in 1 movies."))
            << details.toStdString();
        EXPECT_TRUE(details.contains("New actors: 2\n    Tom Skerritt\n    Audrey Tautou"))
            << details.toStdString();
    });
    ui.acknowledge();
    trigger("mnuToolsImportPeer");
    waitUntilWorkEnds();
    ASSERT_TRUE(ui.scriptUsedUp());
    EXPECT_TRUE(ui.texts().last().startsWith("2 movies imported.\n\nLines not imported: 1."))
        << ui.texts().last().toStdString();
    EXPECT_EQ(listedTitles(), (QStringList{"Alien", "Le Fabuleux Destin d'Amélie Poulain"}));
}

// The covers come in on the worker after the movies, and the closing message counts them.
TEST_F(PeerImportCommand, CoversComeInWithTheirMoviesAndTheRefusedOnesAreNamed) {
    openWindow();
    ui.chooseFile(peerFile("covers.tc"));
    confirmPreview([](QDialog&) {});
    ui.acknowledge();
    trigger("mnuToolsImportPeer");
    waitUntilWorkEnds();
    ASSERT_TRUE(ui.scriptUsedUp());
    const QString outcome = ui.texts().last();
    EXPECT_TRUE(outcome.contains("Pictures imported: 1.")) << outcome.toStdString();
    EXPECT_TRUE(outcome.contains("Pictures not imported: 2.")) << outcome.toStdString();
    EXPECT_TRUE(outcome.contains("brazil.jpg (Brazil): ")) << outcome.toStdString();
    const int alien = db::FindMovieByTitle(connection(), "Alien");
    EXPECT_EQ(db::MoviesWithPictures(connection()), QList<int>{alien});
    EXPECT_EQ(db::ReadMoviePicture(connection(), alien).width, 30);
}

TEST_F(PeerImportCommand, AFileOfAnotherKindIsRefusedWithItsReason) {
    addMovie("Alien");
    openWindow();
    ui.chooseFile(peerFile("traversal.tc")).acknowledge();
    trigger("mnuToolsImportPeer");
    waitUntilWorkEnds();  // the file is read on the worker
    ui.chooseFile(peerFile("README.md")).acknowledge();
    trigger("mnuToolsImportPeer");
    waitUntilWorkEnds();
    ASSERT_TRUE(ui.scriptUsedUp());
    EXPECT_EQ(ui.exchanges()[1].title, "Error");
    EXPECT_TRUE(ui.exchanges()[1].text.contains("'../../.bashrc', which leads out of its folder"));
    EXPECT_TRUE(ui.exchanges()[3].text.contains("is no file this program can import"));
    EXPECT_FALSE(QDir(files.path("Backups")).exists()) << "nothing was written";
    EXPECT_EQ(listedTitles(), QStringList{"Alien"});
}

}  // namespace
