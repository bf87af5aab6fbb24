// The commands on damaged catalogues, on refused input and on failing disks: what they refuse,
// what they say and what they leave as it was.

#include "ProgramRun.h"
#include "app/CommandLine.h"
#include "db/Connection.h"
#include "io/MovieFileFormat.h"

#include <sqlite3.h>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

using app::Invocation;

void execute(const QString& path, const char* sql) {
    sqlite3* file = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &file, SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(file, sql, nullptr, nullptr, &error), SQLITE_OK) << error;
    sqlite3_free(error);
    sqlite3_close(file);
}

QByteArray movieLine(int number, const QString& title, const QString& actor = "Ann Lee",
                     const QString& notes = {}) {
    return QStringLiteral(R"(%1,"%2",3,"Drama","DVD",90,"R",1999,"","","%3","Attic","",,0,"",,"%4")"
                          "\r\n")
        .arg(number)
        .arg(title, actor, notes)
        .toUtf8();
}

QByteArray header() {
    return io::MovieFileHeader().toUtf8() + "\r\n";
}

QString pdfText(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

class CatalogueSafety : public test::ProgramRun {
protected:
    int number(const char* sql) {
        auto file = db::Connection::open(catalogue(), db::Connection::Access::ReadOnly);
        return file->scalar(QString::fromLatin1(sql)).toInt();
    }
    QStringList backups() { return QDir(folder() + "/Backups").entryList(QDir::Files); }
};

// The damage the stock check reports as "row N missing from index Actor_NameKey": the index is
// made partial for one insert, then whole again. A lookup through the index misses the row.
TEST_F(CatalogueSafety, ADamagedCatalogueIsNotWrittenAndReadersSaySoUntilCheckRepairsIt) {
    writeMovies("KIB", 3);
    execute(catalogue(),
            "PRAGMA writable_schema = ON; UPDATE sqlite_master SET sql = sql || "
            "' WHERE 0' WHERE name = 'Actor_NameKey'");
    execute(catalogue(), "INSERT INTO Actor (Name, NameKey) VALUES ('Ann Lee', 'ann lee')");
    execute(catalogue(),
            "PRAGMA writable_schema = ON; UPDATE sqlite_master SET sql = "
            "substr(sql, 1, length(sql) - 8) WHERE name = 'Actor_NameKey'");
    ASSERT_TRUE(test::WriteFile(path("new.txt"), header() + movieLine(1, "Alien")));

    const Outcome import = run({"import", path("new.txt")});
    EXPECT_EQ(import.status, 1);
    EXPECT_TRUE(import.errors.contains("The catalogue 'KIB' is damaged (row "))
        << import.errors.toStdString();
    EXPECT_TRUE(import.errors.contains("Nothing was written."));
    EXPECT_TRUE(import.errors.contains("'tallowmere check --repair'"));
    EXPECT_TRUE(import.errors.contains(folder() + "/Backups"));
    EXPECT_EQ(number("SELECT COUNT(*) FROM Movie"), 3);
    EXPECT_TRUE(backups().isEmpty()) << "not even a backup is written";

    // The readers do their work, but their status says the result is not to be trusted.
    const QList<QStringList> readers = {{"export", path("out.txt")},
                                        {"backup", path("copy.db")},
                                        {"report", "list", "--pdf", path("list.pdf")}};
    for (const QStringList& reader : readers) {
        const Outcome outcome = run(reader);
        EXPECT_EQ(outcome.status, 1) << reader.join(' ').toStdString();
        EXPECT_TRUE(outcome.errors.contains("Warning: the catalogue 'KIB' is damaged"))
            << outcome.errors.toStdString();
        EXPECT_TRUE(outcome.errors.contains("check --repair"));
        EXPECT_TRUE(QFile::exists(reader.last())) << reader.join(' ').toStdString();
    }

    const Outcome repair = run({"check", "--repair"});
    EXPECT_EQ(repair.status, 0) << repair.out.toStdString() << repair.errors.toStdString();
    EXPECT_TRUE(repair.out.contains("Indexes rebuilt. File check: ok"));
    EXPECT_EQ(backups().size(), 1) << "the repair keeps the file as it was first";
    EXPECT_EQ(run({"import", path("new.txt")}).status, 0);
    EXPECT_EQ(number("SELECT COUNT(*) FROM Actor WHERE Name = 'Ann Lee'"), 1)
        << "the import found the actor instead of adding it twice";
    EXPECT_EQ(run({"export", path("out.txt")}).status, 0);
}

TEST_F(CatalogueSafety, PageDamageIsNotMendedByCheckAndNothingIsWritten) {
    writeMovies("KIB", 1000);
    // Garbage over a page of the movies' table, far from the schema on page 1.
    {
        QFile file(catalogue());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_GT(file.size(), 40 * 4096);
        file.seek(30 * 4096);
        file.write(QByteArray(4096, '\x5a'));
    }
    for (const QStringList& command :
         {QStringList{"check", "--repair"}, QStringList{"import", path("none.txt")}}) {
        const Outcome outcome = run(command);
        EXPECT_EQ(outcome.status, 1) << command.join(' ').toStdString();
        EXPECT_TRUE(outcome.errors.contains(folder() + "/Backups")) << outcome.errors.toStdString();
    }
    EXPECT_TRUE(backups().isEmpty());
    const Outcome exported = run({"export", path("out.txt")});
    EXPECT_EQ(exported.status, 1) << "a reader of a damaged file never reports plain success";
}

TEST_F(CatalogueSafety, TheImportNamesEveryRefusedLineUpToAHundredThenCountsTheRest) {
    QByteArray file =
        header() + movieLine(1, "Alien") + "short\r\n\r\n" + movieLine(3, QString(101, u'y'));
    for (int extra = 0; extra < 120; ++extra)
        file += "x\r\n";
    file += movieLine(2, "Brazil");
    ASSERT_TRUE(test::WriteFile(path("bad.txt"), file));
    const Outcome outcome = run({"import", path("bad.txt")});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.out.contains("2 movies imported."));
    const QString named = path("bad.txt") + ":%1: %2; not imported.";
    EXPECT_TRUE(outcome.errors.contains(named.arg(3).arg("it is too short to hold a movie")))
        << outcome.errors.toStdString();
    EXPECT_TRUE(outcome.errors.contains(named.arg(4).arg("it is empty")));
    EXPECT_TRUE(
        outcome.errors.contains(named.arg(5).arg("the Title is longer than 100 characters")));
    EXPECT_TRUE(outcome.errors.contains(named.arg(102).arg("it is too short to hold a movie")));
    EXPECT_FALSE(outcome.errors.contains(path("bad.txt") + ":103:"));
    EXPECT_EQ(outcome.errors.count("; not imported."), 100);
    EXPECT_TRUE(outcome.errors.contains("Other lines not imported: 23."));
}

TEST_F(CatalogueSafety, ReportIdsThatNameNothingAreRefusedByName) {
    writeMovies("KIB", 2);
    const Outcome refused = run({"report", "rating", "--pdf", path("r.pdf"), "--ids", "-1,-2,0"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.errors.contains("These ids name no rating: -1, -2, 0."))
        << refused.errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("r.pdf")));
    const Outcome media = run({"report", "media", "--pdf", path("m.pdf"), "--ids", "2,99"});
    EXPECT_EQ(media.status, 2);
    EXPECT_TRUE(media.errors.contains("These ids name no media: 99."))
        << media.errors.toStdString();
    EXPECT_EQ(run({"report", "media", "--pdf", path("m.pdf"), "--ids", "2"}).status, 0);
}

TEST_F(CatalogueSafety, CountsAndNoMoviesFoundPrintWholeInEveryListing) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is needed";
    writeMovies("EMPTY", 0);
    for (const char* report : {"list", "label", "detailed", "inventory"}) {
        const QString pdf = path(QStringLiteral("%1.pdf").arg(report));
        ASSERT_EQ(run({"--catalogue", "EMPTY", "report", report, "--pdf", pdf}).status, 0);
        EXPECT_TRUE(pdfText(pdf).contains("No movies found.")) << report;
    }
    writeMovies("KIB", 1500);
    for (const char* report : {"list", "label", "detailed", "inventory"}) {
        const QString pdf = path(QStringLiteral("%1.pdf").arg(report));
        ASSERT_EQ(run({"report", report, "--pdf", pdf}).status, 0);
        EXPECT_TRUE(pdfText(pdf).contains(QRegularExpression("Movie count: 1,500\\s"))) << report;
    }
}

TEST_F(CatalogueSafety, CatalogueNamesKeepLettersOfEveryScriptAndRefuseOnlyWhatIsNoName) {
    auto parsed = [](const QString& name) {
        return app::ParseCommandLine({"tallowmere", "--catalogue", name, "check"});
    };
    const std::pair<const char*, const char*> kept[] = {{"ÄÖÜß", "ÄÖÜß"},
                                                        {"İ", "İ"},
                                                        {"东京 2", "东京2"},
                                                        {"my-films2", "MYFILMS2"},
                                                        {"हिन्दी", "हिन्दी"}};
    for (const auto& [typed, name] : kept) {
        EXPECT_EQ(parsed(QString::fromUtf8(typed)).kind, Invocation::Kind::Command) << typed;
        EXPECT_EQ(parsed(QString::fromUtf8(typed)).catalogue, QString::fromUtf8(name)) << typed;
    }
    for (const QString& refused :
         {QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral(".."),
          QStringLiteral("a") + QChar(1) + u'b', QString(65, u'x'),
          QString(64, QChar(0x4E1C)) + u'x', QStringLiteral("-!-")}) {
        const Invocation invocation = parsed(refused);
        EXPECT_EQ(invocation.kind, Invocation::Kind::BadUsage) << refused.toStdString();
    }
    EXPECT_EQ(parsed(QString(64, QChar(0x4E1C))).kind, Invocation::Kind::Command);

    ASSERT_TRUE(test::WriteFile(path("one.txt"), header() + movieLine(1, "Alien")));
    EXPECT_EQ(run({"--catalogue", "ÄÖÜß", "import", path("one.txt")}).status, 0);
    EXPECT_TRUE(QFile::exists(catalogue("ÄÖÜß")));
    const Outcome exported = run({"--catalogue", "äöüß", "export", path("two.txt")});
    EXPECT_EQ(exported.out.trimmed(), "1 movies exported to " + path("two.txt") + ".")
        << "lower case names the same catalogue";
}

// A file size limit makes the engine's writes fail as a full disk does.
TEST_F(CatalogueSafety, AFailingDiskIsNamedInWordsNotInTheEnginesText) {
    writeMovies("KIB", 0);
    QByteArray file = header();
    for (int movie = 1; movie <= 2000; ++movie)
        file += movieLine(movie, QStringLiteral("Movie %1").arg(movie),
                          QStringLiteral("Actor %1").arg(movie), QString(150, u'n'));
    ASSERT_TRUE(test::WriteFile(path("big.txt"), file));
    const Outcome outcome =
        run({"import", path("big.txt")}, QStringLiteral("trap '' XFSZ; ulimit -f 256; exec"));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.errors.contains("The disk is full or cannot be written: "))
        << outcome.errors.toStdString();
    EXPECT_FALSE(outcome.errors.contains("disk I/O error"));
    const Outcome check = run({"check"});
    EXPECT_EQ(check.status, 0) << "the catalogue stays whole: " << check.out.toStdString();
}

}  // namespace
