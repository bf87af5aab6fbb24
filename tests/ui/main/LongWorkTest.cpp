#include "MainWindowFixture.h"

#include "db/Connection.h"
#include "db/Movies.h"
#include "io/MovieFileFormat.h"
#include "support/UserInput.h"
#include "ui/common/LongWork.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MovieListModel.h"
#include "ui/main/MovieListView.h"
#include "ui/tools/ImportDialog.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

// An import of a large file, started from the Tools menu, runs beside the main window.
class LongWorkTest : public test::MainWindowTest {
protected:
    static constexpr int Lines = 60000;

    void SetUp() override {
        for (const char* title : {"Alien", "Brazil", "Casablanca"})
            addMovie(title);
        QFile file(movieFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(io::MovieFileHeader().toUtf8() + "\r\n");
        for (int line = 0; line < Lines; ++line)
            file.write(QStringLiteral(R"(1,"Movie %1",3,"Drama","DVD",90,"R",1999,"","",)"
                                      R"("Ann Lee","Attic","",,0,"",,"")"
                                      "\r\n")
                           .arg(line)
                           .toUtf8());
        openWindow();
    }

    // Tools > Import on the file, the preview confirmed: returns once the import has begun.
    QDialog& startImport() {
        ui.inDialog([this](QDialog& dialog) {
            test::typeInto(static_cast<ui::ImportDialog&>(dialog).filename(), movieFile);
            test::click(dialog, "cmdImport");
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.result() == QDialog::Accepted; }));
            return dialog.result();
        });
        ui.inDialog([](QDialog& preview) {
            test::click(preview, "cmdImport");
            return preview.result();
        });
        trigger("mnuToolsImport");
        QDialog* progress = window().findChild<QDialog*>("frmProgress", Qt::FindDirectChildrenOnly);
        EXPECT_TRUE(progress && progress->isVisible());
        return *progress;
    }
    bool enabled(const char* item) { return window().menus().item(item).isEnabled(); }
    // The movies of the file in the catalogue are the first lines of the file, whole.
    void expectFirstLinesImported(int imported) {
        EXPECT_EQ(db::CountMovies(connection()), 3 + imported);
        const QString movies = "FROM [Movie] WHERE [Title] LIKE 'Movie %'";
        EXPECT_EQ(connection().scalar("SELECT COUNT(*) " + movies).toInt(), imported);
        EXPECT_EQ(
            connection()
                .scalar("SELECT COALESCE(MAX(CAST(substr([Title], 7) AS INTEGER)), -1) " + movies)
                .toInt(),
            imported - 1);
        EXPECT_EQ(connection()
                      .scalar("SELECT COUNT(*) FROM [MovieActor] WHERE [MovieId] IN "
                              "(SELECT [MovieId] " +
                              movies + ")")
                      .toInt(),
                  imported)
            << "each movie written has its cast";
        EXPECT_EQ(connection().scalar("PRAGMA integrity_check").toString(), "ok");
    }

    QString movieFile = files.path("Movies.txt");
};

TEST_F(LongWorkTest, TheListAnswersDuringAnImportWhoseCancelKeepsTheLinesRead) {
    QDialog& progress = startImport();
    EXPECT_FALSE(enabled("mnuToolsImport")) << "a second import cannot start";
    for (const char* item : {"mnuToolsExport", "mnuToolsCheckData", "mnuToolsStartOver",
                             "mnuFileOpen", "mnuReportsMovieListing", "mnuSetupGenres"})
        EXPECT_FALSE(enabled(item)) << item;
    EXPECT_TRUE(enabled("mnuFileNextMovie"));

    ui::MovieListView& list = window().movieList();
    list.setFocus();
    EXPECT_EQ(shownTitle(), "Alien");
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(shownTitle(), "Brazil");
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(shownTitle(), "Casablanca");
    ASSERT_TRUE(ui::LongWork::running()) << "the import was over before the list was tried";

    ui.acknowledge();
    test::click(progress, "cmdCancel");
    waitUntilWorkEnds();
    EXPECT_EQ(ui.exchanges().back().title, "Import cancelled");
    const int imported = ui.exchanges().back().text.section(u' ', 4, 4).toInt();
    EXPECT_LT(imported, Lines);
    expectFirstLinesImported(imported);
    EXPECT_EQ(window().movieListModel().rowCount(), 3 + imported) << "the list was refilled";
    EXPECT_TRUE(enabled("mnuToolsImport"));
    EXPECT_TRUE(enabled("mnuToolsCheckData"));
}

// Closing the window during the import asks first; on Yes the import stops between two lines
// and the window closes once it has.
TEST_F(LongWorkTest, QuittingDuringAnImportAsksThenStopsItAndCloses) {
    startImport();
    const QString question = "Work is still going on.  Stop it and exit?";
    ui.answer(ui::Answer::No);
    window().close();
    EXPECT_EQ(ui.exchanges().back().text, question);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(ui::LongWork::running());

    ui.answer(ui::Answer::Yes).acknowledge();
    window().close();
    EXPECT_EQ(ui.exchanges().back().text, question);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window().isVisible(); }, 60000));
    EXPECT_FALSE(ui::LongWork::running());
    EXPECT_EQ(ui.exchanges().back().title, "Import cancelled");
    files.catalogue().OpenDatabase("KIB");
    expectFirstLinesImported(ui.exchanges().back().text.section(u' ', 4, 4).toInt());
}

}  // namespace
