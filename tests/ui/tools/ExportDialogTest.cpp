#include "ToolsFixture.h"
#include "settings/Settings.h"
#include "support/TestData.h"
#include "ui/tools/ExportDialog.h"

#include <QDir>
#include <QLineEdit>

namespace {

class ExportDialogTest : public test::ToolsTest {
protected:
    QString movieFile = files.path("Movies.txt");
};

TEST_F(ExportDialogTest, BrowseProposesTheNameAndKeepsItWhenCancelled) {
    ui::ExportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow);
    test::typeInto(dialog.filename(), movieFile);
    user.chooseFile(std::nullopt).chooseFile(files.path("Backup.txt"));
    test::click(dialog, "cmdBrowse");
    EXPECT_EQ(dialog.filename().text(), movieFile);
    test::click(dialog, "cmdBrowse");
    EXPECT_EQ(dialog.filename().text(), files.path("Backup.txt"));
    EXPECT_EQ(user.exchanges().at(0).text, movieFile) << "the current name is proposed";
}

TEST_F(ExportDialogTest, ExportsTheStoredFileFollowingEachTitleAndSaysHowMany) {
    addMovie("Alien");
    addMovie("Brazil");
    addMovie("Lost", 99);
    files.settings().setValue(settings::key::ExportFilename, movieFile);
    user.inDialog([&](QDialog& dialog) {
            EXPECT_EQ(static_cast<ui::ExportDialog&>(dialog).filename().text(), movieFile);
            test::click(dialog, "cmdExport");
            EXPECT_FALSE(button(dialog, "cmdExport").isEnabled()) << "busy while it writes";
            EXPECT_NE(dialog.findChild<QDialog*>("frmProgress"), nullptr);
            waitUntilWorkEnds();
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        })
        .acknowledge();
    ui::ShowExportDialog(user, files.settings(), files.catalogue(), &mainWindow);

    ASSERT_EQ(user.exchanges().size(), 2u);
    EXPECT_EQ(user.exchanges()[1].title, "Export complete");
    EXPECT_TRUE(user.exchanges()[1].text.startsWith("2 movies exported.\n\nNot exported"))
        << user.exchanges()[1].text.toStdString();
    EXPECT_TRUE(test::ContentsOf(movieFile).contains("\"Brazil\""));
}

TEST_F(ExportDialogTest, OverwritesAnExistingFileOnlyOnYes) {
    addMovie("Alien");
    writeFile(movieFile, "earlier");
    ui::ExportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow);
    test::typeInto(dialog.filename(), movieFile);
    dialog.show();
    for (ui::Answer answer : {ui::Answer::No, ui::Answer::Cancel}) {
        user.answer(answer);
        test::click(dialog, "cmdExport");
        EXPECT_EQ(test::ContentsOf(movieFile), "earlier");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(files.settings().contains(settings::key::ExportFilename));
    }
    user.answer(ui::Answer::Yes).acknowledge();
    test::click(dialog, "cmdExport");
    waitUntilWorkEnds();
    EXPECT_EQ(user.exchanges()[0].title, "Overwrite Warning");
    EXPECT_EQ(user.exchanges()[0].text, "'" + movieFile + "' already exists. Overwrite?");
    EXPECT_EQ(user.exchanges().back().text, "1 movies exported.");
    EXPECT_EQ(files.settings().value(settings::key::ExportFilename), movieFile);
    EXPECT_TRUE(test::ContentsOf(movieFile).contains("\"Alien\""));
}

TEST_F(ExportDialogTest, AFailureIsReportedWithTheFileNameAndClosesWithoutTheCount) {
    addMovie("Alien");
    const QString unreachable = files.path("missing folder/Movies.txt");
    ui::ExportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow);
    test::typeInto(dialog.filename(), unreachable);
    dialog.show();
    user.acknowledge();
    test::click(dialog, "cmdExport");
    waitUntilWorkEnds();
    ASSERT_EQ(user.exchanges().size(), 1u);
    EXPECT_EQ(user.exchanges()[0].title, "Error");
    EXPECT_TRUE(user.exchanges()[0].text.contains(unreachable));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(button(dialog, "cmdExport").isEnabled());
    EXPECT_EQ(dialog.cursor().shape(), Qt::ArrowCursor);
}

// Cancel in the progress window stops the export; the file that was there stays as it was.
TEST_F(ExportDialogTest, CancelLeavesTheEarlierFileAsItWas) {
    connection.execute(
        "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 20000) "
        "INSERT INTO [Movie] ([GenreId], [LocationId], [MediaId], [RatingId], [Title], "
        "[TitleKey], [LabelNumber], [ReleaseYear], [Minutes], [Stars], [AcquireDate], [Cost], "
        "[LentDate]) SELECT 0, 2, 2, 2, printf('movie %d', x), printf('movie %d', x), '', 0, 0, "
        "0, '1899-01-01 00:00:00', 0, '1899-01-01 00:00:00' FROM n");
    writeFile(movieFile, "earlier");
    ui::ExportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow);
    test::typeInto(dialog.filename(), movieFile);
    dialog.show();
    user.answer(ui::Answer::Yes).acknowledge();
    test::click(dialog, "cmdExport");
    test::click(test::child<QDialog>(dialog, "frmProgress"), "cmdCancel");
    waitUntilWorkEnds();
    EXPECT_EQ(user.exchanges().back().title, "Export cancelled");
    EXPECT_EQ(user.exchanges().back().text, "'" + movieFile + "' has been left as it was.");
    EXPECT_EQ(test::ContentsOf(movieFile), "earlier");
    EXPECT_EQ(QDir(files.folder()).entryList({"Movies.txt*"}, QDir::Files),
              QStringList{"Movies.txt"})
        << "no file is left under a temporary name";
}

}  // namespace
