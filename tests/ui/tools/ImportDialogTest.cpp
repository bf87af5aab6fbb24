#include "ToolsFixture.h"
#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "io/MovieFileFormat.h"
#include "settings/Settings.h"
#include "ui/tools/ImportDialog.h"

#include "support/TestPictures.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

class ImportDialogTest : public test::ToolsTest {
protected:
    static QByteArray movieLine(const QString& title) {
        return QStringLiteral(R"(1,"%1",3,"Drama","DVD",90,"R",1999,"","","Ann Lee","Attic","",)"
                              R"(,0,"",,"")"
                              "\r\n")
            .arg(title)
            .toUtf8();
    }
    // The user looks at the preview, then presses Import in it.
    void confirmPreview(const std::function<void(QDialog&)>& look = {}) {
        user.inDialog([look](QDialog& preview) {
            if (look)
                look(preview);
            test::click(preview, "cmdImport");
            return preview.result();
        });
    }
    // Imports the file through a shown dialog, the user confirming the preview when there is
    // one, and acknowledging one message.
    void importShown(ui::ImportDialog& dialog, bool previewed = false) {
        test::typeInto(dialog.filename(), movieFile);
        dialog.show();
        if (previewed)
            confirmPreview();
        user.acknowledge();
        test::click(dialog, "cmdImport");
        waitUntilWorkEnds();
    }

    QString movieFile = files.path("Movies.txt");
    QByteArray header = io::MovieFileHeader().toUtf8() + "\r\n";
};

TEST_F(ImportDialogTest, AMissingEmptyOrHeaderlessFileIsRefusedAndTheDialogStaysReady) {
    const QString notMovies =
        "Error: This file is not in the correct format.  To see a valid file layout,\n"
        "examine the file created by the Export Movies option.";
    const std::pair<std::optional<QByteArray>, QString> cases[] = {
        {std::nullopt, "Tallowmere Movie Database: '" + movieFile + "' does not exist."},
        {QByteArray(), notMovies},
        {movieLine("Alien"), notMovies},
    };
    for (const auto& [contents, message] : cases) {
        if (contents)
            writeFile(movieFile, *contents);
        ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                                populateLstMain);
        importShown(dialog);
        EXPECT_EQ(user.exchanges().back().title + ": " + user.exchanges().back().text, message);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(button(dialog, "cmdImport").isEnabled());
    }
    ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                            populateLstMain);
    movieFile = files.folder();
    importShown(dialog);
    EXPECT_EQ(user.exchanges().back().text, "'" + movieFile + "' is a folder, not a movie file.");
    EXPECT_EQ(refills, 0);
    EXPECT_EQ(db::CountMovies(connection), 0);
}

TEST_F(ImportDialogTest, ImportsRefillsTheListSaysHowManyAndCloses) {
    const QString longTitle(99, u'y');
    writeFile(movieFile, header + movieLine(longTitle) + "\r\n" + movieLine("Alien"));
    bool busyWhileReading = false;
    user.inDialog([&](QDialog& dialog) {
        test::typeInto(static_cast<ui::ImportDialog&>(dialog).filename(), movieFile);
        test::click(dialog, "cmdImport");
        busyWhileReading = !button(dialog, "cmdImport").isEnabled() &&
                           !button(dialog, "cmdClose").isEnabled() &&
                           dialog.findChild<QDialog*>("frmProgress") != nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.result() == QDialog::Accepted; }));
        return dialog.result();
    });
    confirmPreview();
    user.acknowledge();
    ui::ShowImportDialog(user, files.settings(), files.catalogue(), &mainWindow, populateLstMain);
    waitUntilWorkEnds();

    EXPECT_TRUE(busyWhileReading) << "the dialog waits for the dry run, which shows its progress";
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(user.exchanges().back().title, "Import complete");
    EXPECT_EQ(user.exchanges().back().text,
              "2 movies imported.\n\nLines skipped because they are too short to hold a movie: 1."
              "\nLine 3: it is empty.");
    EXPECT_EQ(db::CountMovies(connection), 2);
    EXPECT_EQ(files.settings().value(settings::key::ImportFilename), movieFile);
}

// The pictures beside the file come in with the movies, each to the movie its line wrote; the
// message says how many, and which files named no movie.
TEST_F(ImportDialogTest, ThePicturesBesideTheFileComeInWithTheirMovies) {
    writeFile(movieFile, header + movieLine("Alien"));
    const QString pictures = movieFile + ".pictures";
    QDir().mkpath(pictures);
    writeFile(pictures + "/1.jpg", test::JpegBytes(300, 450));
    writeFile(pictures + "/2.jpg", test::JpegBytes(300, 450));
    ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                            populateLstMain);
    importShown(dialog, true);
    EXPECT_EQ(user.exchanges().back().title, "Import complete");
    EXPECT_EQ(user.exchanges().back().text,
              "1 movies imported.\n\nPictures imported: 1.\n\nPictures that name no movie of "
              "the file: 1.");
    const db::PictureData stored =
        db::ReadMoviePicture(connection, db::FindMovieByTitle(connection, "Alien"));
    EXPECT_EQ(QSize(stored.width, stored.height), QSize(300, 450));
}

TEST_F(ImportDialogTest, AFailingLineIsReportedWithItsNumberAndTheMoviesBeforeItStay) {
    connection.execute(
        "CREATE TRIGGER [full] BEFORE INSERT ON [Movie] WHEN NEW.[Title] = 'Full' "
        "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
    writeFile(movieFile, header + movieLine("Alien") + movieLine("Full") + movieLine("Brazil"));
    ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                            populateLstMain);
    importShown(dialog, true);
    const QString message = user.exchanges().back().text;
    EXPECT_TRUE(message.startsWith("The import stopped at line 3 of '" + movieFile + "':"))
        << message.toStdString();
    EXPECT_TRUE(message.contains("Movies imported before that line: 1."));
    EXPECT_EQ(refills, 1) << "the list shows the movies that were imported";
    EXPECT_EQ(db::CountMovies(connection), 1);
    EXPECT_FALSE(dialog.isVisible());
}

// Cancel in the progress window stops the import before its next line; the movies read before
// stay, and the message says how many.
TEST_F(ImportDialogTest, CancelStopsTheImportAndKeepsWhatWasRead) {
    constexpr int Lines = 20000;
    QByteArray file = header;
    for (int line = 0; line < Lines; ++line)
        file += movieLine(QStringLiteral("Movie %1").arg(line));
    writeFile(movieFile, file);
    ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                            populateLstMain);
    test::typeInto(dialog.filename(), movieFile);
    dialog.show();
    confirmPreview();
    user.acknowledge();
    test::click(dialog, "cmdImport");
    // The import's own progress window, once the dry run's has gone.
    QDialog* progress = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        progress = mainWindow.findChild<QDialog*>("frmProgress", Qt::FindDirectChildrenOnly);
        return progress && progress->isVisible();
    }));
    EXPECT_FALSE(dialog.isVisible()) << "the import runs on beside the main window";
    test::click(*progress, "cmdCancel");
    waitUntilWorkEnds();

    EXPECT_EQ(user.exchanges().back().title, "Import cancelled");
    const QString text = user.exchanges().back().text;
    const int imported = text.section(u' ', 4, 4).toInt();
    EXPECT_EQ(text,
              QStringLiteral("The import was cancelled. %1 movies imported before it stopped.")
                  .arg(imported));
    EXPECT_LT(imported, Lines);
    EXPECT_EQ(db::CountMovies(connection), imported) << "every line counted is written, no other";
    EXPECT_EQ(refills, 1);
}

// The preview tells what the import then does: the movies added and updated, the names each list
// gains, the lines passed over. Cancel in it leaves the catalogue as it was.
TEST_F(ImportDialogTest, ThePreviewTellsWhatTheImportDoesAndCancelWritesNothing) {
    addMovie("Alien");
    writeFile(movieFile, header + movieLine("ALIEN") + movieLine("Brazil") + movieLine("brazil") +
                             "short\r\n" + movieLine("Casablanca"));
    ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                            populateLstMain);
    test::typeInto(dialog.filename(), movieFile);
    dialog.show();
    QString summary;
    QString details;
    auto look = [&](QDialog& preview) {
        summary = test::child<QLabel>(preview, "lblSummary").text();
        details = test::child<QPlainTextEdit>(preview, "txtDetails").toPlainText();
    };
    user.inDialog([&](QDialog& preview) {
        look(preview);
        test::click(preview, "cmdCancel");
        return preview.result();
    });
    test::click(dialog, "cmdImport");
    waitUntilWorkEnds();
    EXPECT_EQ(summary,
              "Movies to add: 2\nMovies to update (a movie of the same title is in the "
              "catalogue): 2");
    EXPECT_TRUE(details.contains("New storage locations: 1\n    Attic")) << details.toStdString();
    EXPECT_TRUE(details.contains("New actors: 1\n    Ann Lee"));
    EXPECT_TRUE(details.contains("Lines skipped because they are too short to hold a movie: 1."));
    EXPECT_EQ(db::CountMovies(connection), 1) << "nothing written";
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [Location] WHERE [Name] = 'Attic'").toInt(),
              0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(refills, 0);

    confirmPreview(look);
    user.acknowledge();
    test::click(dialog, "cmdImport");
    waitUntilWorkEnds();
    EXPECT_EQ(db::CountMovies(connection), 1 + 2);
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [Location] WHERE [Name] = 'Attic'").toInt(),
              1);
    EXPECT_TRUE(user.exchanges().back().text.startsWith(
        "4 movies imported.\n\nLines skipped because they are too short to hold a movie: 1."));
}

// The lines passed over are named with their numbers and reasons, short ones too; a name that is
// empty shows as "" rather than as a blank line that looks like nothing.
TEST_F(ImportDialogTest, ThePreviewNamesThePassedOverLinesAndShowsAnEmptyNameAsQuotes) {
    QByteArray noLocation = movieLine("Brazil");
    noLocation.replace("\"Attic\"", "\"\"");
    writeFile(movieFile, header + movieLine("Alien") + "short\r\n" + noLocation +
                             movieLine(QString(101, u'y')));
    ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                            populateLstMain);
    QString details;
    user.inDialog([&](QDialog& preview) {
        details = test::child<QPlainTextEdit>(preview, "txtDetails").toPlainText();
        test::click(preview, "cmdCancel");
        return preview.result();
    });
    test::typeInto(dialog.filename(), movieFile);
    dialog.show();
    test::click(dialog, "cmdImport");
    waitUntilWorkEnds();
    EXPECT_TRUE(details.contains("New storage locations: 2\n    Attic\n    \"\"\n"))
        << details.toStdString();
    EXPECT_TRUE(
        details.contains("\nLine 3: it is too short to hold a movie.\nLine 5: the Title is "
                         "longer than 100 characters."))
        << details.toStdString();
}

// Between the preview and the import the file is written again by someone else: the import
// writes nothing that was not previewed.
TEST_F(ImportDialogTest, AFileChangedAfterThePreviewIsNotImported) {
    addMovie("Alien");
    writeFile(movieFile, header + movieLine("Brazil"));
    ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                            populateLstMain);
    confirmPreview([&](QDialog&) { writeFile(movieFile, header + movieLine("Unseen")); });
    importShown(dialog);
    EXPECT_EQ(user.exchanges().back().text,
              "'" + movieFile +
                  "' has changed since it was previewed. Nothing was imported; import it again "
                  "to see what it holds now.");
    EXPECT_EQ(db::CountMovies(connection), 1);
    EXPECT_EQ(db::FindMovieByTitle(connection, "Unseen"), 0);
    EXPECT_FALSE(QDir(files.folder() + "/Backups").exists() &&
                 !QDir(files.folder() + "/Backups").isEmpty())
        << "no backup is taken for an import that does not happen";
    EXPECT_EQ(refills, 0);

    // Previewed again, the new content goes in.
    confirmPreview();
    user.acknowledge();
    test::click(dialog, "cmdImport");
    waitUntilWorkEnds();
    EXPECT_NE(db::FindMovieByTitle(connection, "Unseen"), 0);
}

}  // namespace
