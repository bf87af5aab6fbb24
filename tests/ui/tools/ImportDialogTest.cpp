#include "ToolsFixture.h"
#include "io/MovieFileFormat.h"
#include "settings/Settings.h"
#include "ui/tools/ImportDialog.h"

#include <QLineEdit>

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
    // Imports the file through a shown dialog, the user acknowledging one message.
    void importShown(ui::ImportDialog& dialog) {
        test::typeInto(dialog.filename(), movieFile);
        dialog.show();
        user.acknowledge();
        test::click(dialog, "cmdImport");
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
    user.inDialog([&](QDialog& dialog) {
            test::typeInto(static_cast<ui::ImportDialog&>(dialog).filename(), movieFile);
            test::CaptionRecorder recorder(dialog, "cmdImport");
            test::click(dialog, "cmdImport");
            EXPECT_EQ(recorder.captions.value(0), longTitle.left(80) + QChar(0x2026))
                << "a caption shows no more than 80 characters of a title";
            EXPECT_TRUE(recorder.busy.value(0));
            EXPECT_EQ(recorder.captions.last(), "Import Movies");
            return dialog.result();
        })
        .acknowledge();
    ui::ShowImportDialog(user, files.settings(), files.catalogue(), &mainWindow, populateLstMain);

    EXPECT_EQ(refills, 1);
    EXPECT_EQ(user.exchanges().back().title, "Import complete");
    EXPECT_EQ(user.exchanges().back().text,
              "2 movies imported.\n\nLines skipped because they are too short to hold a movie: 1.");
    EXPECT_EQ(db::CountMovies(connection), 2);
    EXPECT_EQ(files.settings().value(settings::key::ImportFilename), movieFile);
}

TEST_F(ImportDialogTest, AFailingLineIsReportedWithItsNumberAndTheMoviesBeforeItStay) {
    connection.execute("CREATE TRIGGER [full] BEFORE INSERT ON [Movie] WHEN NEW.[Title] = 'Full' "
                       "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
    writeFile(movieFile, header + movieLine("Alien") + movieLine("Full") + movieLine("Brazil"));
    ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                            populateLstMain);
    importShown(dialog);
    const QString message = user.exchanges().back().text;
    EXPECT_TRUE(message.startsWith("The import stopped at line 3 of '" + movieFile + "':"))
        << message.toStdString();
    EXPECT_TRUE(message.contains("Movies imported before that line: 1."));
    EXPECT_EQ(refills, 1) << "the list shows the movies that were imported";
    EXPECT_EQ(db::CountMovies(connection), 1);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
