#include "ProgramRun.h"
#include "app/CommandLine.h"
#include "app/QtOptions.h"
#include "db/Catalogue.h"
#include "db/Connection.h"
#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "db/Transaction.h"
#include "db/Upgrade.h"
#include "io/MovieFileFormat.h"
#include "report/Report.h"
#include "report/ReportList.h"
#include "report/RunReport.h"
#include "report/SpoolReader.h"
#include "report/SpoolWriter.h"
#include "support/PdfTools.h"
#include "support/TestData.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using app::Invocation;

Invocation parse(const QString& line) {
    return app::ParseCommandLine(
        (QStringLiteral("tallowmere ") + line).split(u' ', Qt::SkipEmptyParts));
}

TEST(CommandLine, ReadsCommandsAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(parse("").kind, Invocation::Kind::Window);
    EXPECT_EQ(parse("--catalogue my-films2").catalogue, "MYFILMS2");
    EXPECT_EQ(parse("--help").kind, Invocation::Kind::Help);
    EXPECT_TRUE(parse("--help").message.startsWith("Usage: tallowmere"));
    EXPECT_EQ(parse("--version").kind, Invocation::Kind::Version);
    const Invocation report = parse("report rating --pdf out.pdf --ids 2,5");
    EXPECT_EQ(report.kind, Invocation::Kind::Command);
    EXPECT_EQ(report.report, "rating");
    EXPECT_EQ(report.pdf, "out.pdf");
    EXPECT_EQ(report.ids, "2,5");
    EXPECT_EQ(parse("export movies.txt").file, "movies.txt");
    EXPECT_TRUE(parse("check --repair").repair);
    const Invocation pictures = parse("pictures import covers");
    EXPECT_EQ(pictures.direction, "import");
    EXPECT_EQ(pictures.file, "covers");
    EXPECT_EQ(parse("publish site").command, "publish");
    EXPECT_EQ(parse("publish site").file, "site");
    const Invocation peer = parse("import --from csv list.csv --preset diary");
    EXPECT_EQ(peer.from, "csv");
    EXPECT_EQ(peer.preset, "diary");
    EXPECT_EQ(peer.file, "list.csv");
    for (const char* wrong : {"frobnicate",
                              "export",
                              "import a b",
                              "report list",
                              "check x",
                              "export f --repair",
                              "--pdf x.pdf",
                              "--catalogue ---",
                              "--no-such-option",
                              "backup f --ids 3",
                              "publish",
                              "import --from excel f",
                              "export f --from csv",
                              "import --from tellico f --preset list",
                              "import --from csv f --preset other",
                              "--from csv",
                              "import f --preset list",
                              "pictures covers",
                              "pictures fetch covers",
                              "pictures export a b",
                              "pictures import covers --repair",
                              "pictures import covers --from csv"}) {
        const Invocation refused = parse(QString::fromLatin1(wrong));
        EXPECT_EQ(refused.kind, Invocation::Kind::BadUsage) << wrong;
        EXPECT_TRUE(refused.message.endsWith("Try 'tallowmere --help'.")) << wrong;
    }
}

TEST(CommandLine, LeavesQtsOwnOptionsToQt) {
    const Invocation window = parse(
        "-style Fusion -reverse --catalogue films -qwindowgeometry 800x600+0+0 -stylesheet=a.qss "
        "--platform offscreen -platformtheme=gtk3");
    EXPECT_EQ(window.kind, Invocation::Kind::Window) << window.message.toStdString();
    EXPECT_EQ(window.catalogue, "FILMS");
    const Invocation command = parse("-style Fusion export -reverse movies.txt");
    EXPECT_EQ(command.kind, Invocation::Kind::Command) << command.message.toStdString();
    EXPECT_EQ(command.file, "movies.txt");
    EXPECT_EQ(parse("-reverse=1").kind, Invocation::Kind::BadUsage) << "no such form";
    EXPECT_EQ(parse("-stylo Fusion").kind, Invocation::Kind::BadUsage);
    EXPECT_EQ(app::WithoutQtOptions({"tallowmere", "export", "--", "-style", "x"}),
              QStringList({"tallowmere", "export", "--", "-style", "x"}))
        << "after --, nothing is an option";
}

// The built program's commands on a home of their own, with no display.
class Commands : public test::ProgramRun {
protected:
    static QByteArray withoutIds(const QString& file) {
        QByteArray kept;
        for (const QByteArray& line : test::ContentsOf(file).split('\n'))
            kept += line.mid(line.indexOf(',')) + '\n';
        return kept;
    }
};

TEST_F(Commands, AnExportImportedIntoANewCatalogueExportsTheSame) {
    writeMovies("KIB", 30);
    // Qt's options are for the window: with them a command still needs no display.
    const Outcome exported =
        run({"-platform", "xcb", "-style", "Fusion", "export", path("one.txt")});
    EXPECT_EQ(exported.status, 0) << exported.errors.toStdString();
    EXPECT_EQ(exported.out.trimmed(), "30 movies exported to " + path("one.txt") + ".");
    EXPECT_EQ(run({"--catalogue", "copy", "import", path("one.txt")}).status, 0);
    EXPECT_EQ(run({"--catalogue", "copy", "export", path("two.txt")}).status, 0);
    EXPECT_EQ(withoutIds(path("one.txt")), withoutIds(path("two.txt")));

    const Outcome again = run({"--catalogue", "copy", "import", path("one.txt")});
    EXPECT_EQ(again.status, 0);
    EXPECT_TRUE(again.out.startsWith("Backup: " + home.filePath("data/KIB/Backups/COPY-")))
        << "an import into a catalogue with movies backs it up first";
}

TEST_F(Commands, AnImportLineThatFailsIsNamedAndTheStatusSaysSo) {
    // What follows the title on each line; the second line's title is one letter too long.
    const QByteArray rest =
        "\",4,\"Horror\",\"DVD\",117,\"R\",1979,\"\",\"\",\"\",\"Attic\",\"\",,0,\"\",,\"\"\r\n";
    ASSERT_TRUE(test::WriteFile(path("bad.txt"), io::MovieFileHeader().toUtf8() + "\r\n1,\"Alien" +
                                                     rest + "2,\"" + QByteArray(101, 'x') + rest));
    const Outcome outcome = run({"import", path("bad.txt")});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.errors.contains(path("bad.txt") + ":3:")) << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.out.contains("1 movies imported."));
}

TEST_F(Commands, ABackupIsWholeWhileAnotherConnectionWrites) {
    writeMovies("KIB", 200);
    db::Catalogue writer(home.filePath("data/KIB"));
    writer.OpenDatabase("KIB");  // the window, holding the lock
    db::Transaction writing(writer.connection());
    db::MovieRecord movie;
    movie.title = QStringLiteral("Written meanwhile");
    db::InsertMovie(writer.connection(), movie);
    const Outcome backup = run({"backup", path("copy.db")});
    EXPECT_EQ(backup.status, 0) << backup.errors.toStdString();
    auto copy = db::Connection::open(path("copy.db"), db::Connection::Access::ReadOnly);
    EXPECT_EQ(copy->scalar("PRAGMA integrity_check").toString(), "ok");
    EXPECT_EQ(db::CountMovies(*copy), 200);

    const Outcome import = run({"import", path("nothing.txt")});
    EXPECT_EQ(import.status, 1);
    EXPECT_TRUE(import.errors.contains("The catalogue 'KIB' is open in another copy"))
        << "a writer is told the catalogue is busy: " << import.errors.toStdString();
    EXPECT_EQ(run({"export"}).status, 2);
}

TEST_F(Commands, CheckFindsBrokenReferencesAndRepairMendsThemAfterABackup) {
    writeMovies("KIB", 5);
    {
        auto file = db::Connection::open(catalogue("KIB"));
        file->execute("UPDATE [Movie] SET [LocationId] = 999 WHERE [MovieId] = 1");
        file->execute("INSERT INTO [MovieActor] VALUES (4242, 1)");
    }
    const Outcome found = run({"check"});
    EXPECT_EQ(found.status, 1);
    EXPECT_TRUE(found.out.contains("File check: ok\nMovies: 5\n")) << found.out.toStdString();
    EXPECT_TRUE(found.out.contains("name nothing: 1\n"));
    EXPECT_TRUE(found.out.contains("movies that are gone: 1\n"));
    const Outcome repaired = run({"check", "--repair"});
    EXPECT_EQ(repaired.status, 0) << repaired.errors.toStdString();
    EXPECT_TRUE(repaired.out.contains("Backup: " + home.filePath("data/KIB/Backups/KIB-")));
    EXPECT_TRUE(repaired.out.contains("2 problems repaired."));
    EXPECT_EQ(run({"check"}).status, 0);
}

TEST_F(Commands, AReportToPdfHasThePagesOfThePreview) {
    writeMovies("KIB", 150);
    const Outcome outcome = run({"report", "list", "--pdf", path("list.pdf")});
    ASSERT_EQ(outcome.status, 0) << outcome.errors.toStdString();

    // The preview's page count: the same report spooled here.
    db::Catalogue files(home.filePath("data/KIB"));
    files.OpenDatabase("KIB", db::Catalogue::Sharing::Shared);
    report::SpoolWriter writer(path("spool"));
    auto listing = report::MakeReport(report::ReportKind::List, writer, files.connection());
    report::SpoolReader preview(*report::RunReport(*listing, writer));
    ASSERT_GT(preview.pageCount(), 1);
    EXPECT_EQ(outcome.out.trimmed(), QStringLiteral("Movie Listing: %1 pages written to %2.")
                                         .arg(preview.pageCount())
                                         .arg(path("list.pdf")));
    if (test::HavePdfTools()) {
        EXPECT_EQ(test::PdfPageCount(path("list.pdf")), preview.pageCount());
    }
    EXPECT_TRUE(QDir(home.filePath("data/KIB/Temp")).isEmpty()) << "no spool file stays";
    EXPECT_EQ(run({"report", "rating", "--pdf", path("r.pdf")}).status, 2) << "rating needs --ids";
}

// A folder of covers named after label numbers or titles goes in, is said matched or not, and
// comes out again under the same names; the movie file's export carries them beside it.
TEST_F(Commands, PicturesGoInAndOutByLabelNumberOrTitle) {
    writeMovies("KIB", 3);
    {
        db::Catalogue files(home.filePath("data/KIB"));
        files.OpenDatabase("KIB");
        for (int step = 0; step < 3; ++step)
            db::UpdateDatabase(files.connection());
        files.connection().execute("UPDATE [Movie] SET [LabelNumber] = 'A-1' WHERE [MovieId] = 1");
    }
    QDir().mkpath(path("covers"));
    test::WriteFile(path("covers/a-1.jpg"), test::JpegBytes(300, 450));
    test::WriteFile(path("covers/movie 2.png"), test::Encoded(test::DrawnPicture(90, 120), "PNG"));
    test::WriteFile(path("covers/Movie 3.jpg"), "not a picture");
    test::WriteFile(path("covers/holiday.jpg"), test::JpegBytes(40, 30));
    const Outcome in = run({"pictures", "import", path("covers")});
    EXPECT_EQ(in.status, 1) << "one file matched nothing, one was no picture";
    EXPECT_TRUE(in.out.contains("2 pictures stored from " + path("covers") +
                                ".\n"
                                "Matched: 2\n  a-1.jpg: Movie 1\n  movie 2.png: Movie 2\n"
                                "Not matched to a label number or title: 1\n  holiday.jpg\n"))
        << in.out.toStdString();
    EXPECT_TRUE(in.errors.contains("Not stored: 1\n  Movie 3.jpg: 'Movie 3.jpg' is not a picture"))
        << in.errors.toStdString();

    const Outcome out = run({"pictures", "export", path("out")});
    EXPECT_EQ(out.status, 0) << out.errors.toStdString();
    EXPECT_EQ(QDir(path("out")).entryList(QDir::Files), (QStringList{"A-1.jpg", "Movie 2.jpg"}))
        << "an opaque PNG is stored as a JPEG";

    const Outcome exported = run({"export", path("movies.txt")});
    EXPECT_TRUE(exported.out.contains("2 pictures written to " + path("movies.txt.pictures")));
    // A new catalogue takes one upgrade step an opening: the movies go in at once, the pictures
    // once it holds their table, and until then it says why they did not.
    const Outcome early = run({"--catalogue", "copy", "import", path("movies.txt")});
    EXPECT_EQ(early.status, 1);
    EXPECT_TRUE(early.out.contains("3 movies imported."));
    EXPECT_TRUE(
        early.errors.contains("Picture not imported: This catalogue has no place for "
                              "pictures yet"))
        << early.errors.toStdString();
    Outcome imported;
    for (int opening = 2; opening <= 4; ++opening)
        imported = run({"--catalogue", "copy", "import", path("movies.txt")});
    EXPECT_EQ(imported.status, 0) << imported.errors.toStdString();
    EXPECT_TRUE(imported.out.contains("2 pictures imported.")) << imported.out.toStdString();
    auto copy = db::Connection::open(catalogue("COPY"), db::Connection::Access::ReadOnly);
    EXPECT_EQ(db::MoviesWithPictures(*copy).size(), 2);
    EXPECT_EQ(copy->scalar("PRAGMA integrity_check").toString(), "ok");
}

}  // namespace
