#include "db/Genres.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/StoredDate.h"
#include "io/ExportMovies.h"
#include "io/MovieFileError.h"
#include "io/MovieFileFormat.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <csignal>

namespace {

using db::LookupTable;

db::MovieRecord plainMovie(const QString& title) {
    db::MovieRecord movie;
    movie.title = title;
    movie.mediaId = movie.ratingId = movie.locationId = 1;
    return movie;
}

class Export : public testing::Test {
protected:
    int id(LookupTable table, const char* name) {
        return db::LookupOrAddId(connection, table, QString::fromUtf8(name));
    }

    // Alien, amélie and Brazil are written; Casablanca's location is gone, so it is not.
    void addFourMovies() {
        db::MovieRecord alien;
        alien.title = "Alien";
        alien.stars = 4.5;
        alien.genreIds = db::GenreNamesToIds(connection, "Science Fiction/Horror");
        alien.mediaId = id(LookupTable::Media, "DVD");
        alien.minutes = 117;
        alien.ratingId = id(LookupTable::Rating, "R");
        alien.releaseYear = 1979;
        alien.director = "Ridley Scott";
        alien.producer = "Gordon Carroll";
        alien.locationId = id(LookupTable::Location, "Living Room");
        alien.labelNumber = "A-1";
        alien.acquireDate = db::CatalogueDateTime(QDate(2004, 3, 15), QTime(10, 20));
        alien.cost = db::Currency::fromDouble(12.5);
        alien.notes = "Line one\nLine \"two\"";
        const int alienId = db::InsertMovie(connection, alien);
        db::SetMovieCast(connection, alienId, {"Kevin Bacon", "Sigourney Weaver"});

        alien.title = "Casablanca";
        alien.locationId = 99;
        db::InsertMovie(connection, alien);

        db::MovieRecord amelie = plainMovie("amélie");
        amelie.acquireDate = db::CatalogueDateTime(QDate(1899, 12, 30));
        amelie.lentTo = "Zoë";
        amelie.lentDate = db::CatalogueDateTime(QDate(2025, 12, 1));
        db::InsertMovie(connection, amelie);
        db::InsertMovie(connection, plainMovie("Brazil"));
    }

    test::TestCatalogue files;
    db::Connection& connection = files.open();
    const QString path = files.path("Movies.txt");
};

TEST_F(Export, WritesTheHeaderAndOneLinePerMovieInTitleOrder) {
    addFourMovies();
    QStringList titles;
    const io::ExportResult result =
        io::ExportMovies(connection, path, [&](const QString& title) { titles.append(title); });
    EXPECT_EQ(titles, (QStringList{"Alien", "amélie", "Brazil"})) << "ignoring case";
    EXPECT_EQ(result.exported, 3);
    EXPECT_EQ(result.leftOut, 1);
    EXPECT_EQ(result.altered, 1) << "the quotes in Alien's notes";
    EXPECT_TRUE(result.fileWritten);
    const QByteArray expected =
        io::MovieFileHeader().toUtf8() + "\r\n" +
        QByteArray(
            R"(1,"Alien",4.5,"Science Fiction / Horror","DVD",117,"R",1979,"Ridley Scott",)"
            R"("Gordon Carroll","Kevin Bacon/Sigourney Weaver","Living Room","A-1","03/15/2004",)"
            R"(12.5,"",,"Line one|Line two")"
            "\r\n"
            R"-(3,"amélie",0,"(none)","(none)",0,"(none)",0,"","","","(none)","",,0,"Zoë",)-"
            R"("12/01/2025","")"
            "\r\n"
            R"-(4,"Brazil",0,"(none)","(none)",0,"(none)",0,"","","","(none)","",,0,"",,"")-"
            "\r\n");
    EXPECT_EQ(test::ContentsOf(path), expected);
}

// The export reads dates with a fast reader of its own; it must agree with the program's.
TEST_F(Export, ReadsStoredDatesAsTheRestOfTheProgramDoes) {
    const int id = db::InsertMovie(connection, plainMovie("Dated"));
    for (const char* stored :
         {"2004-03-15 10:20:30", "2004-03-15", " 2004-03-15 10:20:30 ", "1900-01-01 00:00:00",
          "1899-12-31 23:59:59", "1899-01-01 00:00:00", "2004-02-30 00:00:00", "2004-3-5 00:00:00",
          "15.03.2004", "2004/03/15 00:00:00", "2004-03-15 25:99:00", "", "soon"}) {
        connection.execute("UPDATE [Movie] SET [AcquireDate] = ? WHERE [MovieId] = ?",
                           {QString::fromLatin1(stored), id});
        io::ExportMovies(connection, path);
        const QStringList lines = QString::fromUtf8(test::ContentsOf(path)).split("\r\n");
        const QString expected = db::SlashDateText(db::DateFromStored(QString::fromLatin1(stored)));
        EXPECT_EQ(io::ReadMovieFields(lines.value(1)).value(13), expected) << stored;
    }
}

TEST_F(Export, WithNothingToWriteNoFileIsCreatedOrChanged) {
    EXPECT_FALSE(io::ExportMovies(connection, path).fileWritten);
    EXPECT_FALSE(QFile::exists(path));

    test::WriteFile(path, "earlier export");
    db::MovieRecord lost = plainMovie("Lost");
    lost.ratingId = 77;
    db::InsertMovie(connection, lost);
    const io::ExportResult result = io::ExportMovies(connection, path);
    EXPECT_EQ(result.exported, 0);
    EXPECT_EQ(result.leftOut, 1);
    EXPECT_EQ(test::ContentsOf(path), "earlier export");
}

// A disk that takes no more (here a file size limit: the system refuses the rest as it would
// on a full disk) ends the export with the system's reason; nothing is left half written.
TEST_F(Export, ADiskThatRefusesTheFileGivesTheReason) {
    addFourMovies();
    test::WriteFile(path, "earlier export");
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit tiny{100, previous.rlim_max};
    const auto previousSignal = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    QString message = "no error";
    try {
        io::ExportMovies(connection, path);
    } catch (const io::FileError& error) {
        message = error.message();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    signal(SIGXFSZ, previousSignal);
    EXPECT_TRUE(message.contains("File too large")) << message.toStdString();
    EXPECT_EQ(test::ContentsOf(path), "earlier export");
    EXPECT_EQ(QDir(files.folder()).entryList({"Movies*"}, QDir::Files), QStringList{"Movies.txt"})
        << "no temporary file is left behind";
}

}  // namespace
