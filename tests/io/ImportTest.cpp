#include "StoredMovies.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "io/ImportMovies.h"
#include "io/MovieFileError.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

using db::LookupTable;

class Import : public testing::Test {
protected:
    io::ImportResult import(const QByteArray& bytes, const io::ImportProgress& progress = {},
                            const io::StopRequested& stop = {}) {
        io::MovieFileLines lines(bytes);
        return io::ImportMovies(connection, lines, progress, stop);
    }
    int count(const char* sql) { return connection.scalar(QString::fromUtf8(sql)).toInt(); }

    test::TestCatalogue files;
    db::Connection& connection = files.open();
    const QByteArray header = io::MovieFileHeader().toUtf8() + "\r\n";
};

TEST_F(Import, ReadsAHandWrittenWindowsFile) {
    // Header in other case with blanks around it, CR LF, Windows-1252, commas inside quotes, an
    // empty Media, a cost with grouping and a currency sign, notes with "|", a stray blank line
    // and a short line in the middle.
    const QString file =
        "  " + io::MovieFileHeader().toLower() + " \r\n" +
        QStringLiteral(
            R"(1,"Amélie, le film",4.5,"Comedy / Romance","",122,"PG",2001,"Jean-Pierre Jeunet",)"
            R"("Claudie Ossard","Audrey Tautou/Mathieu Kassovitz// ","Living Room","B-7",)"
            R"("04/25/2002","€1,299.50","",,"Première ligne|Deuxième – ligne")"
            "\r\n\r\nshort line\r\n"
            R"(2,"L’Été",3,"Drama","",90,"Not rated",1999,"","","Audrey Tautou","Garage","",)"
            R"(,0,"Zoë","12/24/2025","")"
            "\r\n");
    // Windows-1252 differs from Latin-1 only in the signs of 0x80 to 0x9F.
    const QByteArray bytes = QString(file)
                                 .replace(u'€', QChar(0x80))
                                 .replace(u'–', QChar(0x96))
                                 .replace(u'’', QChar(0x92))
                                 .toLatin1();
    const io::ImportResult result = import(bytes);
    EXPECT_TRUE(result.headerAccepted);
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(result.skipped, 2);
    EXPECT_EQ(result.windows1252Lines, 2);
    EXPECT_EQ(result.failedLine, 0);

    const std::map<QString, QStringList> movies = test::StoredMovies(connection);
    EXPECT_EQ(movies.at("Amélie, le film"),
              (QStringList{"Amélie, le film", "", "PG", "Living Room", "B-7", "Jean-Pierre Jeunet",
                           "Claudie Ossard", "", "Première ligne\nDeuxième – ligne", "4.5", "122",
                           "2001", "04/25/2002", "", "1299.5", "Comedy / Romance",
                           "Audrey Tautou/Mathieu Kassovitz"}));
    EXPECT_EQ(movies.at("L’Été"),
              (QStringList{"L’Été", "", "Not rated", "Garage", "", "", "", "Zoë", "", "3", "90",
                           "1999", "", "12/24/2025", "0", "Drama", "Audrey Tautou"}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Media] WHERE [Name] = ''"), 1) << "the second reuses it";
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Actor] WHERE [Name] = 'Audrey Tautou'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Actor] WHERE [Name] = ''"), 0);
}

TEST_F(Import, AMovieOfTheSameTitleIsUpdatedAndItsCastReplaced) {
    db::MovieRecord alien;
    alien.title = "Alien";
    alien.mediaId = alien.ratingId = alien.locationId = 1;
    const int id = db::InsertMovie(connection, alien);
    db::SetMovieCast(connection, id, {"Kevin Bacon", "Sigourney Weaver"});

    const io::ImportResult result =
        import(header + R"(9,"ALIEN",5," Horror/ Film Noir // (None)/film noir/HORROR","Betamax",)"
                        R"(117,"R",1979,"","","Sigourney Weaver/John Hurt/SIGOURNEY WEAVER",)"
                        R"("Attic","",,0,"",,"")");
    EXPECT_EQ(result.imported, 1);
    EXPECT_EQ(db::CountMovies(connection), 1);
    const QStringList updated = test::StoredMovies(connection).at("ALIEN");
    EXPECT_EQ(updated.mid(1, 3), (QStringList{"Betamax", "R", "Attic"}));
    EXPECT_EQ(updated.mid(15), (QStringList{"Horror / Film Noir", "Sigourney Weaver/John Hurt"}))
        << "a name given twice counts once";
    EXPECT_EQ(db::FindLookupId(connection, LookupTable::Genre, "(none)"), 0)
        << "(none) stands for no genre";
}

TEST_F(Import, AFailingLineStopsTheImportAndLeavesTheLinesBeforeIt) {
    connection.execute(
        "CREATE TRIGGER [full] BEFORE INSERT ON [Movie] WHEN NEW.[Title] = "
        "'Movie 1100' BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
    QByteArray file = header;
    // Past the first batch, so that both a committed batch and the open one are involved.
    for (int number = 1; number <= 1200; ++number)
        file += QStringLiteral(R"(%1,"Movie %1",0,"Drama","%2",0,"R",0,"","","New Actor %1",)"
                               R"("","",,0,"",,"")"
                               "\r\n")
                    .arg(number)
                    .arg(number == 1100 ? "Betamax" : "DVD")
                    .toUtf8();
    std::vector<int> lineNumbers;
    const io::ImportResult result =
        import(file, [&](const QString&, int line) { lineNumbers.push_back(line); });

    EXPECT_EQ(result.failedLine, 1101) << "the header is line 1";
    EXPECT_TRUE(result.failure.contains("database or disk is full"));
    EXPECT_EQ(result.imported, 1099);
    EXPECT_EQ(db::CountMovies(connection), 1099);
    EXPECT_EQ(db::FindLookupId(connection, LookupTable::Media, "Betamax"), 0)
        << "nothing of the failing line stays";
    EXPECT_EQ(db::FindLookupId(connection, LookupTable::Actor, "New Actor 1100"), 0);
    EXPECT_NE(db::FindLookupId(connection, LookupTable::Actor, "New Actor 1099"), 0)
        << "the lines before it in its batch are written again, names and all";
    EXPECT_EQ(connection
                  .scalar("SELECT COUNT(*) FROM [MovieActor] WHERE [ActorId] NOT IN "
                          "(SELECT [ActorId] FROM [Actor])")
                  .toInt(),
              0);
    EXPECT_EQ(lineNumbers.front(), 2);
    EXPECT_EQ(lineNumbers.back(), 1101) << "no line after it is read";
}

// A stop between lines keeps the lines before it, across a committed batch and the open one.
TEST_F(Import, AStopKeepsTheLinesBeforeIt) {
    QByteArray file = header;
    for (int number = 1; number <= 1500; ++number)
        file += QStringLiteral(R"(%1,"Movie %1",0,"Drama","DVD",0,"R",0,"","","Ann Lee",)"
                               R"("","",,0,"",,"")"
                               "\r\n")
                    .arg(number)
                    .toUtf8();
    int seen = 0;
    const io::ImportResult result = import(
        file, [&](const QString&, int) { ++seen; }, [&] { return seen == 1200; });
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.failedLine, 0);
    EXPECT_EQ(result.imported, 1200);
    EXPECT_EQ(db::CountMovies(connection), 1200);
    EXPECT_EQ(db::FindMovieByTitle(connection, "Movie 1201"), 0);
}

// Nothing of a refused line is written (its media would be "Betamax"), and the lines after it
// are read on.
TEST_F(Import, LinesThatAreNoMovieLinesOrDoNotFitAreRefusedByNumber) {
    auto line = [](const QString& title, const QString& actors = "Ann Lee",
                   const QString& cost = "0", const QString& notes = "") {
        return QStringLiteral(R"(1,"%1",0,"Drama","Betamax",0,"R",0,"","","%2","","",,%3,"",,"%4")")
            .arg(title, actors, cost, notes)
            .toUtf8();
    };
    const std::pair<QByteArray, QString> cases[] = {
        {"a line of text without any comma", "it has no commas"},
        {QByteArray(40, '\0'), "it holds NUL characters"},
        {line(QStringLiteral("Al\u0000ien")), "it holds NUL characters"},
        {R"(1,"Alien,0,"Drama","Betamax",0,"R",0,"","","","","",,0,"",,"")",
         "a double quote in it is not closed"},
        {line(QString(101, u'x')), "the Title is longer than 100 characters"},
        {line("Alien", "Ann Lee/" + QString(51, u'é')), "a name in Actors is longer than 50"},
        {line("Alien", "", "99999999999999999"),
         "the Cost 99999999999999999 is more than the catalogue can hold (at most "
         "922,337,203,685,477.5807)"},
        {line("Alien", "", QString(400, u'9')), "the Cost 999"},
        {line("Alien", "", "0", QString(256, u'|')), "the Notes is longer than 255 characters"},
    };
    QByteArray file = header;
    for (const auto& [bytes, reason] : cases)
        file += bytes + "\r\n";
    file += line(QString(100, u'x'), QString(50, u'é'), "922337203685477.5807", QString(255, u'|'));
    const io::ImportResult result = import(file);

    EXPECT_EQ(result.imported, 1) << "the longest that fit";
    EXPECT_EQ(result.failedLine, 0);
    ASSERT_EQ(result.refusedCount, int(std::size(cases)));
    for (int i = 0; i < io::ImportResult::MaximumListed && i < result.refusedCount; ++i) {
        EXPECT_EQ(result.refused[i].lineNumber, i + 2);
        EXPECT_TRUE(result.refused[i].reason.startsWith(cases[i].second))
            << result.refused[i].reason.toStdString();
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Movie] WHERE [Cost] < 0"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Actor] WHERE [Name] = 'Ann Lee'"), 0);
    EXPECT_TRUE(
        io::ImportNotes(result).contains("Lines not imported: 9.\nLine 2: it has no "
                                         "commas.\nLine 3: it holds NUL characters."));
}

// A field missing at the end of a short line is empty text: such lines share one entry of an
// empty name, and one untitled movie.
TEST_F(Import, FieldsMissingFromShortLinesAreEmptyNotNull) {
    const QByteArray line = R"(7,"",0,"Drama","",90)";
    EXPECT_EQ(import(header + line + "\r\n" + line + "\r\n" + line).imported, 3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Movie]"), 1);
    for (const char* table : {"Media", "Rating", "Location"})
        EXPECT_EQ(connection
                      .scalar(QStringLiteral("SELECT COUNT(*) FROM [%1] WHERE [Name] = '' OR "
                                             "[Name] IS NULL")
                                  .arg(QLatin1String(table)))
                      .toInt(),
                  1)
            << table;
}

// A file picked by mistake is not read beyond where it shows it is no movie file.
TEST_F(Import, AFileWithoutTheHeaderIsNotReadOnAndWhatIsNoFileIsNotReadAtAll) {
    io::MovieFileLines lines(QByteArray("Title\r\n").repeated(1000));
    EXPECT_FALSE(io::ImportMovies(connection, lines).headerAccepted);
    EXPECT_EQ(lines.lineNumber(), 1);
    EXPECT_THROW(io::ImportMovies(connection, QStringLiteral("/dev/zero")), io::FileError);
}

}  // namespace
