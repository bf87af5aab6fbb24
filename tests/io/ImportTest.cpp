#include "db/Genres.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/StoredDate.h"
#include "io/ImportMovies.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

using db::LookupTable;

// The bytes a Windows program writes for the text; enough of the code page for these tests.
QByteArray windows1252(const QString& text) {
    QByteArray bytes;
    for (QChar c : text) {
        switch (c.unicode()) {
            case 0x20AC:
                bytes.append('\x80');
                break;
            case 0x2013:
                bytes.append('\x96');
                break;
            case 0x2019:
                bytes.append('\x92');
                break;
            default:
                EXPECT_LT(c.unicode(), 0x100) << "not in the test's code page";
                bytes.append(char(c.unicode()));
        }
    }
    return bytes;
}

// A row of the catalogue as the file carries it, to compare with what a line said.
struct StoredMovie {
    QString title, media, rating, location, genres, cast, label, director, producer, lentTo, notes;
    double stars = 0;
    int minutes = 0, year = 0;
    QString acquireDate, lentDate, cost;
};

class Import : public testing::Test {
protected:
    io::ImportResult import(const QByteArray& bytes) {
        io::MovieFileLines lines(bytes);
        return io::ImportMovies(connection, lines);
    }

    StoredMovie stored(const QString& title) {
        QSqlQuery row = connection.query(
            "SELECT m.[MovieId], m.[Title], d.[Name], r.[Name], l.[Name], m.[LabelNumber], "
            "m.[Director], m.[Producer], m.[LentTo], m.[Notes], m.[Stars], m.[Minutes], "
            "m.[ReleaseYear], m.[AcquireDate], m.[LentDate], m.[Cost] FROM [Movie] AS m "
            "JOIN [Media] AS d ON d.[MediaId] = m.[MediaId] "
            "JOIN [Rating] AS r ON r.[RatingId] = m.[RatingId] "
            "JOIN [Location] AS l ON l.[LocationId] = m.[LocationId] WHERE m.[Title] = ?",
            {title});
        StoredMovie movie;
        if (!row.next()) {
            ADD_FAILURE() << "no movie " << title.toStdString();
            return movie;
        }
        const int id = row.value(0).toInt();
        movie = {row.value(1).toString(),
                 row.value(2).toString(),
                 row.value(3).toString(),
                 row.value(4).toString(),
                 db::GetGenreText(connection, id),
                 castOf(id),
                 row.value(5).toString(),
                 row.value(6).toString(),
                 row.value(7).toString(),
                 row.value(8).toString(),
                 row.value(9).toString(),
                 row.value(10).toDouble(),
                 row.value(11).toInt(),
                 row.value(12).toInt(),
                 db::SlashDateText(db::DateFromStored(row.value(13))),
                 db::SlashDateText(db::DateFromStored(row.value(14))),
                 db::Currency::fromDouble(row.value(15).toDouble()).toPlainText()};
        return movie;
    }

    QString castOf(int movieId) {
        QStringList names;
        QSqlQuery query = connection.query(
            "SELECT a.[Name] FROM [MovieActor] AS ma JOIN [Actor] AS a ON a.[ActorId] = "
            "ma.[ActorId] WHERE ma.[MovieId] = ? ORDER BY ma.rowid",
            {movieId});
        while (query.next())
            names.append(query.value(0).toString());
        return names.join(u'/');
    }

    int count(const char* sql, db::Values values = {}) {
        return connection.scalar(QString::fromUtf8(sql), values).toInt();
    }

    test::TestCatalogue files;
    db::Connection& connection = files.open();
};

// Written by hand as a Windows program writes it: header in other case with blanks around it,
// CR LF, Windows-1252, commas inside quotes, an empty Media, a cost with grouping and a currency
// sign, notes with "|", a stray blank line and a short line in the middle.
const QString WindowsFile =
    QStringLiteral("  ") + io::MovieFileHeader().toLower() + QStringLiteral(" \r\n") +
    QStringLiteral(
        R"(1,"Amélie, le film",4.5,"Comedy / Romance","",122,"PG",2001,"Jean-Pierre Jeunet",)"
        R"("Claudie Ossard","Audrey Tautou/Mathieu Kassovitz// ","Living Room","B-7",)"
        R"("04/25/2002","€1,299.50","",,"Première ligne|Deuxième – ligne")"
        "\r\n\r\nshort line\r\n"
        R"(2,"L’Été",3,"Drama","",90,"Not rated",1999,"","","Audrey Tautou","Garage","",)"
        R"(,0,"Zoë","12/24/2025","")"
        "\r\n");

TEST_F(Import, ReadsAWindowsFileWithItsAccentsIntact) {
    const io::ImportResult result = import(windows1252(WindowsFile));
    EXPECT_TRUE(result.headerAccepted);
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(result.skipped, 2) << "the blank and the short line, and the movie after them";
    EXPECT_EQ(result.failedLine, 0);

    const StoredMovie amelie = stored(QStringLiteral("Amélie, le film"));
    EXPECT_EQ(amelie.stars, 4.5);
    EXPECT_EQ(amelie.genres, "Comedy / Romance");
    EXPECT_EQ(amelie.media, "");
    EXPECT_EQ(amelie.minutes, 122);
    EXPECT_EQ(amelie.rating, "PG");
    EXPECT_EQ(amelie.year, 2001);
    EXPECT_EQ(amelie.director, "Jean-Pierre Jeunet");
    EXPECT_EQ(amelie.producer, "Claudie Ossard");
    EXPECT_EQ(amelie.cast, "Audrey Tautou/Mathieu Kassovitz") << "empty parts add no actor";
    EXPECT_EQ(amelie.location, "Living Room");
    EXPECT_EQ(amelie.label, "B-7");
    EXPECT_EQ(amelie.acquireDate, "04/25/2002");
    EXPECT_EQ(amelie.cost, "1299.5");
    EXPECT_EQ(amelie.lentDate, "");
    EXPECT_EQ(amelie.notes, "Première ligne\nDeuxième – ligne");

    const StoredMovie ete = stored(QStringLiteral("L’Été"));
    EXPECT_EQ(ete.location, "Garage");
    EXPECT_EQ(ete.lentTo, "Zoë");
    EXPECT_EQ(ete.lentDate, "12/24/2025");
    EXPECT_EQ(ete.acquireDate, "") << "an empty date is the empty date";

    EXPECT_EQ(count("SELECT COUNT(*) FROM [Media] WHERE [Name] = ''"), 1)
        << "the first empty Media adds a row, the second reuses it";
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Genre] WHERE [Name] = 'Romance'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Actor] WHERE [Name] = 'Audrey Tautou'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [Actor] WHERE [Name] = ''"), 0);
}

TEST_F(Import, ReadsTheSameFileAsUtf8WithLineFeedsOnly) {
    const io::ImportResult result = import(QString(WindowsFile).replace("\r\n", "\n").toUtf8());
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(stored(QStringLiteral("Amélie, le film")).notes, "Première ligne\nDeuxième – ligne");
    EXPECT_EQ(stored(QStringLiteral("L’Été")).lentTo, "Zoë");
}

TEST_F(Import, RefusesAFileWithoutTheHeader) {
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("\r\n"), QByteArray("\"MovieId\",\"Title\"\r\n"),
          windows1252(WindowsFile).mid(2 + io::MovieFileHeader().size() + 3)}) {
        const io::ImportResult result = import(bytes);
        EXPECT_FALSE(result.headerAccepted) << bytes.left(40).toStdString();
        EXPECT_EQ(result.imported, 0);
    }
    EXPECT_EQ(db::CountMovies(connection), 0);
}

TEST_F(Import, AMovieOfTheSameTitleIsUpdatedAndGetsTheLinesCast) {
    db::MovieRecord alien;
    alien.title = QStringLiteral("Alien");
    alien.mediaId = alien.ratingId = alien.locationId = 1;
    alien.genreIds = QStringLiteral("7");
    const int id = db::InsertMovie(connection, alien);
    for (const char* name : {"Tom Skerritt", "Sigourney Weaver"})
        db::LookupOrAddId(connection, LookupTable::Actor, QString::fromUtf8(name));
    db::SetMovieCast(connection, id, {"Tom Skerritt", "Sigourney Weaver"});

    const io::ImportResult result =
        import(io::MovieFileHeader().toUtf8() +
               "\r\n9,\"ALIEN\",5,\"Horror\",\"Betamax\",117,\"R\",1979,\"\",\"\","
               "\"Sigourney Weaver/John Hurt\",\"Attic\",\"\",,0,\"\",,\"\"\r\n");
    EXPECT_EQ(result.imported, 1);
    EXPECT_EQ(db::CountMovies(connection), 1);
    const StoredMovie updated = stored(QStringLiteral("Alien"));
    EXPECT_EQ(updated.title, "ALIEN");
    EXPECT_EQ(updated.genres, "Horror");
    EXPECT_EQ(updated.media, "Betamax");
    EXPECT_EQ(updated.location, "Attic");
    EXPECT_EQ(updated.cast, "Sigourney Weaver/John Hurt") << "no link twice, no link left over";
}

TEST_F(Import, AFailingLineStopsTheImportAndLeavesTheLinesBeforeIt) {
    QByteArray file = io::MovieFileHeader().toUtf8() + "\r\n";
    auto line = [](int number, const QString& title, const char* media) {
        return QStringLiteral(
                   R"(%1,"%2",0,"Drama","%3",0,"R",0,"","","New Actor %1","","",,0,"",,"")")
                   .arg(number)
                   .arg(title, QString::fromUtf8(media))
                   .toUtf8() +
               "\r\n";
    };
    // Past the first batch, so that both a committed batch and the open one are involved.
    for (int number = 1; number <= 1200; ++number)
        file += number == 1100 ? line(number, QString(101, u'x'), "Betamax")
                               : line(number, QStringLiteral("Movie %1").arg(number), "DVD");

    std::vector<int> lineNumbers;
    io::MovieFileLines lines(file);
    const io::ImportResult result = io::ImportMovies(
        connection, lines,
        [&](const QString&, int lineNumber) { lineNumbers.push_back(lineNumber); });

    EXPECT_EQ(result.failedLine, 1101) << "the header is line 1";
    EXPECT_FALSE(result.failure.isEmpty());
    EXPECT_EQ(result.imported, 1099);
    EXPECT_EQ(db::CountMovies(connection), 1099);
    EXPECT_EQ(db::FindLookupId(connection, LookupTable::Media, QStringLiteral("Betamax")), 0)
        << "nothing of the failing line stays";
    EXPECT_EQ(db::FindLookupId(connection, LookupTable::Actor, QStringLiteral("New Actor 1100")),
              0);
    EXPECT_EQ(db::FindMovieByTitle(connection, QStringLiteral("Movie 1101")), 0)
        << "no line after it is read";
    EXPECT_EQ(lineNumbers.front(), 2);
    EXPECT_EQ(lineNumbers.back(), 1101);
}

}  // namespace
