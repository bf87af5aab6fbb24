#include "ToolsFixture.h"
#include "support/TestData.h"
#include "ui/tools/ExportDialog.h"
#include "ui/tools/ImportDialog.h"

#include <sys/stat.h>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// What the user picks need not be a file: where the export would go, it is refused and never
// replaced.
class ChosenFiles : public test::ToolsTest {
protected:
    // The messages after the question whether to overwrite what is there.
    QStringList exportTo(const QString& target) {
        ui::ExportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow);
        test::typeInto(dialog.filename(), target);
        dialog.show();
        user.answer(ui::Answer::Yes).acknowledge();
        test::click(dialog, "cmdExport");
        waitUntilWorkEnds();
        QStringList texts = user.texts();
        texts.removeFirst();
        return texts;
    }
};

TEST_F(ChosenFiles, APipeNothingReadsIsRefusedAndLeftAPipe) {
    addMovie("Alien");
    const QString pipe = files.path("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QStringList said = exportTo(pipe);
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains("'" + pipe + "' is a pipe that nothing reads from"))
        << said[0].toStdString();
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_EQ(user.exchanges().back().title, "Error");
}

TEST_F(ChosenFiles, TheOpenCatalogueIsRefusedAndLeftWhole) {
    addMovie("Alien");
    const QByteArray catalogue = test::ContentsOf(files.path("KIB.db"));
    const QStringList said = exportTo(files.path("KIB.db"));
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains("the catalogue's own file")) << said[0].toStdString();
    EXPECT_EQ(test::ContentsOf(files.path("KIB.db")), catalogue);
}

// Nor is what is picked to import read when it is no file: a pipe would keep it waiting.
TEST_F(ChosenFiles, AnImportFromWhatIsNoFileSaysWhatItIs) {
    const QString pipe = files.path("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ui::ImportDialog dialog(user, files.settings(), files.catalogue(), &mainWindow,
                            populateLstMain);
    dialog.show();
    for (const QString& source : {pipe, files.folder(), QStringLiteral("/dev/zero")}) {
        test::typeInto(dialog.filename(), source);
        user.acknowledge();
        test::click(dialog, "cmdImport");
        EXPECT_TRUE(user.exchanges().back().text.startsWith("'" + source + "' is a "))
            << user.exchanges().back().text.toStdString();
        EXPECT_TRUE(dialog.isVisible());
    }
    EXPECT_FALSE(QDir(files.path("Backups")).exists());
}

}  // namespace
