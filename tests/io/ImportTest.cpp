#include "StoredMovies.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "io/ImportMovies.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

using db::LookupTable;

class Import : public testing::Test {
protected:
    io::ImportResult import(const QByteArray& bytes, const io::ImportProgress& progress = {}) {
        io::MovieFileLines lines(bytes);
        return io::ImportMovies(connection, lines, progress);
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
        import(header +
               R"(9,"ALIEN",5,"Horror","Betamax",117,"R",1979,"","","Sigourney Weaver/John Hurt",)"
               R"("Attic","",,0,"",,"")");
    EXPECT_EQ(result.imported, 1);
    EXPECT_EQ(db::CountMovies(connection), 1);
    const QStringList updated = test::StoredMovies(connection).at("ALIEN");
    EXPECT_EQ(updated.mid(1, 3), (QStringList{"Betamax", "R", "Attic"}));
    EXPECT_EQ(updated.mid(15), (QStringList{"Horror", "Sigourney Weaver/John Hurt"}));
}

TEST_F(Import, AFailingLineStopsTheImportAndLeavesTheLinesBeforeIt) {
    QByteArray file = header;
    // Past the first batch, so that both a committed batch and the open one are involved.
    for (int number = 1; number <= 1200; ++number) {
        const bool failing = number == 1100;
        file += QStringLiteral(R"(%1,"%2",0,"Drama","%3",0,"R",0,"","","New Actor %1","","",,0,)"
                               R"("",,"")"
                               "\r\n")
                    .arg(number)
                    .arg(failing ? QString(101, u'x') : QStringLiteral("Movie %1").arg(number),
                         failing ? "Betamax" : "DVD")
                    .toUtf8();
    }
    std::vector<int> lineNumbers;
    const io::ImportResult result =
        import(file, [&](const QString&, int line) { lineNumbers.push_back(line); });

    EXPECT_EQ(result.failedLine, 1101) << "the header is line 1";
    EXPECT_FALSE(result.failure.isEmpty());
    EXPECT_EQ(result.imported, 1099);
    EXPECT_EQ(db::CountMovies(connection), 1099);
    EXPECT_EQ(db::FindLookupId(connection, LookupTable::Media, "Betamax"), 0)
        << "nothing of the failing line stays";
    EXPECT_EQ(db::FindLookupId(connection, LookupTable::Actor, "New Actor 1100"), 0);
    EXPECT_EQ(lineNumbers.front(), 2);
    EXPECT_EQ(lineNumbers.back(), 1101) << "no line after it is read";
}

}  // namespace
