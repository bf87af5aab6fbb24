#include "ToolsFixture.h"
#include "app/Settings.h"
#include "ui/tools/ExportDialog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace {

class ExportDialogTest : public test::ToolsTest {
protected:
    QString movieFile = files.path(QStringLiteral("Movies.txt"));
};

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(ExportDialogTest, ShowsTheStoredFileNameWithLabelledControls) {
    files.settings().setValue(app::key::ExportFilename, movieFile);
    ui::ExportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow);
    EXPECT_EQ(dialog.objectName(), "frmExport");
    EXPECT_EQ(dialog.windowTitle(), "Export Movies");
    EXPECT_EQ(dialog.findChild<QLabel*>("lblHelp")->text(),
              "Export your movies to a comma delimited file.");
    auto* label = dialog.findChild<QLabel*>("lblFilename");
    EXPECT_EQ(label->text(), "Filename:");
    EXPECT_EQ(label->buddy(), dialog.findChild<QLineEdit*>("txtFilename"));
    EXPECT_EQ(dialog.filename().text(), movieFile);
    EXPECT_EQ(button(dialog, "cmdBrowse").text(), "...");
    EXPECT_EQ(button(dialog, "cmdExport").text(), "Export");
    EXPECT_EQ(button(dialog, "cmdClose").text(), "Close");
}

TEST_F(ExportDialogTest, BrowseProposesTheNameAndKeepsItWhenCancelled) {
    ui::ExportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow);
    dialog.filename().setText(movieFile);
    user.chooseFile(std::nullopt).chooseFile(files.path("Backup.txt"));
    button(dialog, "cmdBrowse").click();
    EXPECT_EQ(dialog.filename().text(), movieFile);
    button(dialog, "cmdBrowse").click();
    EXPECT_EQ(dialog.filename().text(), files.path("Backup.txt"));
    EXPECT_EQ(user.exchanges().at(0).text, movieFile) << "the current name is proposed";
    EXPECT_FALSE(QFile::exists(files.path("Backup.txt"))) << "nothing is written";
}

TEST_F(ExportDialogTest, ExportsFollowingEachTitleAndSaysHowManyAndCloses) {
    addMovie(QStringLiteral("Alien"));
    addMovie(QStringLiteral("Brazil"));
    addMovie(QStringLiteral("Lost"), 99);
    user.inDialog([&](QDialog& dialog) {
            auto& exportDialog = static_cast<ui::ExportDialog&>(dialog);
            exportDialog.filename().setText(movieFile);
            test::CaptionRecorder recorder(dialog, "cmdExport");
            button(dialog, "cmdExport").click();
            EXPECT_EQ(recorder.captions.value(0), "Alien");
            EXPECT_TRUE(recorder.busy.value(0)) << "busy pointer and disabled button";
            EXPECT_EQ(recorder.captions.last(), "Export Movies");
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        })
        .acknowledge();
    ui::ShowExportDialog(user, files.settings(), files.catalogue(), &mainWindow);

    ASSERT_EQ(user.exchanges().size(), 2u);
    EXPECT_EQ(user.exchanges()[1].title, "Export complete");
    EXPECT_TRUE(user.exchanges()[1].text.startsWith("2 movies exported.\n\nNot exported"))
        << user.exchanges()[1].text.toStdString();
    EXPECT_EQ(files.settings().value(app::key::ExportFilename), movieFile);
    EXPECT_TRUE(contentsOf(movieFile).contains("\"Brazil\""));
}

TEST_F(ExportDialogTest, OverwritesAnExistingFileOnlyOnYes) {
    addMovie(QStringLiteral("Alien"));
    {
        QFile earlier(movieFile);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    ui::ExportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow);
    dialog.filename().setText(movieFile);
    dialog.show();
    for (ui::Answer answer : {ui::Answer::No, ui::Answer::Cancel}) {
        user.answer(answer);
        button(dialog, "cmdExport").click();
        EXPECT_EQ(contentsOf(movieFile), "earlier");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(files.settings().contains(app::key::ExportFilename));
    }
    user.answer(ui::Answer::Yes).acknowledge();
    button(dialog, "cmdExport").click();
    EXPECT_EQ(user.exchanges()[0].title, "Overwrite Warning");
    EXPECT_EQ(user.exchanges()[0].text, "'" + movieFile + "' already exists. Overwrite?");
    EXPECT_EQ(user.exchanges().back().text, "1 movies exported.");
    EXPECT_TRUE(contentsOf(movieFile).contains("\"Alien\""));
}

TEST_F(ExportDialogTest, AFailureIsReportedWithItsReasonAndClosesWithoutTheCount) {
    addMovie(QStringLiteral("Alien"));
    const QString unreachable = files.path("missing folder/Movies.txt");
    ui::ExportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow);
    dialog.filename().setText(unreachable);
    dialog.show();
    user.acknowledge();
    button(dialog, "cmdExport").click();
    ASSERT_EQ(user.exchanges().size(), 1u);
    EXPECT_EQ(user.exchanges()[0].title, "Error");
    EXPECT_TRUE(user.exchanges()[0].text.contains(unreachable));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(button(dialog, "cmdExport").isEnabled());
    EXPECT_EQ(dialog.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
