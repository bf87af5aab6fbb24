#include "StoredMovies.h"
#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "io/ImportMovies.h"
#include "io/ImportPreview.h"
#include "io/MovieFileError.h"
#include "io/peers/CsvMapping.h"
#include "io/peers/GcstarReader.h"
#include "io/peers/PeerCovers.h"
#include "io/peers/PeerFile.h"
#include "io/peers/TellicoReader.h"
#include "io/peers/ZipArchive.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QSize>

namespace {

using Fields = QStringList;

QByteArray peerFile(const char* name) {
    return io::ReadPeerBytes(QStringLiteral(TALLOWMERE_PEER_FILES "/") + QLatin1String(name));
}

// The line of the file where the text first stands.
int lineOf(const char* file, const char* text) {
    const QByteArray bytes = peerFile(file);
    return int(bytes.left(bytes.indexOf(text)).count('\n')) + 1;
}

class PeerImport : public testing::Test {
protected:
    // The reading imported into the catalogue; the preview first, which must agree with it.
    void importAll(const io::PeerReading& reading) {
        const io::ImportPreview preview = io::PreviewLines(connection, reading.lines);
        const io::ImportResult result = io::ImportLines(connection, reading.lines);
        EXPECT_EQ(result.imported, int(reading.lines.size()));
        EXPECT_EQ(preview.lines.imported, result.imported);
        EXPECT_EQ(preview.added, result.imported) << "a new catalogue: every title is new";
        EXPECT_EQ(result.failedLine, 0) << result.failure.toStdString();
    }

    test::TestCatalogue files;
    db::Connection& connection = files.open();
};

// Title, media, rating, location, label, director, producer, lent to, notes, stars, minutes,
// year, acquired, lent on, cost, genres, cast.
TEST_F(PeerImport, AVideoCollectionOfTheKdeCollectionManagerComesInFieldByField) {
    for (const char* file : {"videos.xml", "videos.tc"}) {
        test::TestCatalogue fresh;
        db::Connection& catalogue = fresh.open();
        const io::PeerReading reading = io::ReadTellico(peerFile(file));
        io::ImportLines(catalogue, reading.lines);
        const std::map<QString, QStringList> stored = test::StoredMovies(catalogue);
        ASSERT_EQ(stored.size(), 2u) << file;
        EXPECT_EQ(stored.at("Alien"),
                  (Fields{"Alien", "DVD", "R", "Living Room", "", "Ridley Scott",
                          "Gordon Carroll, David Giler", "Zoë",
                          "In the box set & signed\nNationality: USA; UK\nWidescreen: yes", "4",
                          "117", "1979", "03/15/2004", "12/01/2025", "12.5",
                          "Science Fiction / Horror", "Sigourney Weaver/Tom Skerritt"}))
            << file;
        EXPECT_EQ(stored.at("Le Fabuleux Destin d'Amélie Poulain"),
                  (Fields{"Le Fabuleux Destin d'Amélie Poulain", "Blu-ray", "(none)", "(none)", "",
                          "Jean-Pierre Jeunet", "", "",
                          "Bought in Paris\nCafé & croissants\nNationality: France", "5", "122",
                          "2001", "", "", "0", "Comedy / Romance", "Audrey Tautou"}))
            << file;
        ASSERT_EQ(reading.result.refusedCount, 1) << "the entry without a title";
        EXPECT_EQ(reading.result.refused[0].lineNumber, lineOf("videos.xml", "<entry id=\"3\">"));
        EXPECT_EQ(reading.result.refused[0].reason, "it has no title");
        EXPECT_EQ(reading.fieldsLeftOut, 1) << "the long plot";
        EXPECT_TRUE(reading.notes().contains(
            QStringLiteral("Line %1 (Le Fabuleux Destin d'Amélie Poulain): Plot Summary")
                .arg(lineOf("videos.xml", "<entry id=\"2\">"))))
            << reading.notes().toStdString();
    }
}

TEST_F(PeerImport, AGcstarMovieCollectionComesInFieldByField) {
    const io::PeerReading reading = io::ReadGcstar(peerFile("movies.gcs"));
    importAll(reading);
    const std::map<QString, QStringList> stored = test::StoredMovies(connection);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(
        stored.at("Brazil"),
        (Fields{"Brazil", "DVD", "R", "Attic", "", "Terry Gilliam", "Arnon Milchan", "Sam Lowry",
                "Criterion edition\nOriginal title: Brazil\nCountry: UK\nSeen: yes\nWeb "
                "page: https://example.org/brazil\nPlot: A bureaucrat tries to correct an "
                "administrative error.\nLanguages: English",
                "4", "142", "1985", "01/03/2010", "12/24/2025", "0", "Science Fiction / Comedy",
                "Jonathan Pryce/Robert De Niro"}));
    EXPECT_EQ(stored.at("Zardoz"),
              (Fields{"Zardoz", "VHS", "PG-13", "(none)", "", "John Boorman", "", "", "", "2.5",
                      "105", "1974", "", "", "0", "Science Fiction", "Sean Connery"}));
    EXPECT_EQ(reading.result.refusedCount, 1) << "the item without a title";
    EXPECT_EQ(reading.fieldsLeftOut, 0);
}

TEST_F(PeerImport, CsvExportsOfFilmSitesComeInThroughTheirPresets) {
    const io::CsvTable list = io::ReadCsv(peerFile("list.csv"));
    importAll(io::ReadCsvMovies(list, *io::CsvPreset("list", list.header)));
    const io::CsvTable diary = io::ReadCsv(peerFile("diary.csv"));
    EXPECT_EQ(diary.header.first(), "Date") << "the byte-order mark is no part of the header";
    importAll(io::ReadCsvMovies(diary, *io::CsvPreset("diary", diary.header)));

    const std::map<QString, QStringList> stored = test::StoredMovies(connection);
    ASSERT_EQ(stored.size(), 5u);
    EXPECT_EQ(stored.at("Alien"), (Fields{"Alien", "(none)", "(none)", "(none)", "", "Ridley Scott",
                                          "", "", "Const: tt0078748\nOriginal Title: Alien", "4.5",
                                          "117", "1979", "", "", "0", "Horror / Sci-Fi", ""}));
    EXPECT_EQ(stored.at("Brazil")[9], "3.5") << "7 of 10 is 3.5 stars";
    EXPECT_EQ(stored.at("The Quoted One")[5], "A. One, B. Two");
    EXPECT_EQ(
        connection.scalar("SELECT [Title] FROM [Movie] WHERE [ReleaseYear] = 2020").toString(),
        "The \"Quoted\" One")
        << "quotes in a CSV title stay";
    EXPECT_EQ(stored.at("Amélie"), (Fields{"Amélie", "(none)", "(none)", "(none)", "", "", "", "",
                                           "Tags: paris, cafe\nWatched Date: 2025-01-03", "4.5",
                                           "0", "2001", "", "", "0", "", ""}));
    EXPECT_EQ(stored.at("Zardoz")[8], "Rewatch: Yes\nWatched Date: 2025-01-31");
}

TEST_F(PeerImport, AnyCsvIsMappedByItsHeaderInWindows1252OrUtf8) {
    const io::CsvTable table = io::ReadCsv(peerFile("windows1252.csv"));
    EXPECT_TRUE(table.windows1252);
    ASSERT_EQ(table.header, (QStringList{"Title", "Year", "Genre", "Notes", "Shelf", "Acteurs"}));
    const io::CsvMapping guessed = io::GuessCsvMapping(table.header);
    EXPECT_EQ(guessed, (io::CsvMapping{io::CsvField::Title, io::CsvField::Year,
                                       io::CsvField::Genres, io::CsvField::Comments,
                                       io::CsvField::Location, io::CsvField::NoteLine}));
    EXPECT_EQ(table.rowLines, (std::vector<int>{2, 3})) << "where each row begins";
    importAll(io::ReadCsvMovies(table, guessed));
    const std::map<QString, QStringList> stored = test::StoredMovies(connection);
    EXPECT_EQ(stored.at("Amélie"),
              (Fields{"Amélie", "(none)", "(none)", "Salon", "", "", "", "",
                      "Café \u201CLes Deux Moulins\u201D\nActeurs: Audrey Tautou / Mathieu "
                      "Kassovitz",
                      "0", "0", "2001", "", "", "0", "Comédie", ""}));
    EXPECT_EQ(stored.at("Multi Line")[8], "two\nlines") << "a title is one line; notes keep theirs";

    // A column mapped to nothing is left out; the mapping is kept as text by its header.
    io::CsvMapping chosen = guessed;
    chosen[5] = io::CsvField::Nothing;
    chosen[4] = io::CsvField::Cast;
    const QString text = io::CsvMappingText(chosen);
    EXPECT_EQ(io::CsvMappingFromText(text, 6), chosen);
    EXPECT_EQ(io::CsvMappingFromText(text, 5), std::nullopt) << "another header";
    EXPECT_EQ(io::CsvMappingFromText("title,year,what", 3), std::nullopt);
    EXPECT_EQ(io::CsvHeaderSignature({"Title", "Year"}),
              io::CsvHeaderSignature({"title ", "YEAR"}));
    EXPECT_NE(io::CsvHeaderSignature({"Title", "Year"}), io::CsvHeaderSignature({"Year", "Title"}));
    const io::PeerReading reading = io::ReadCsvMovies(table, chosen);
    EXPECT_EQ(reading.lines[0].movie.notes, "Café \u201CLes Deux Moulins\u201D");
    EXPECT_EQ(reading.lines[0].actors, (QStringList{"Salon"}));
}

TEST_F(PeerImport, ASecondImportUpdatesTheMoviesOfTheSameTitles) {
    const io::PeerReading reading = io::ReadGcstar(peerFile("movies.gcs"));
    importAll(reading);
    const io::ImportPreview again = io::PreviewLines(connection, reading.lines);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.updated, 2);
    io::ImportLines(connection, reading.lines);
    EXPECT_EQ(test::StoredMovies(connection).size(), 2u);
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM [Movie]").toInt(), 2);
}

TEST_F(PeerImport, NotesKeepWhatFitsAndCountWhatDoesNot) {
    io::PeerReading reading;
    io::PeerMovie movie;
    movie.number = 7;
    movie.title = "Long";
    movie.comments = QString(250, u'c');
    movie.extras = {{"Fits", "x"}, {"Too long", QString(10, u'y')}, {"K", "z"}};
    reading.add(movie);
    ASSERT_EQ(reading.lines.size(), 1u);
    EXPECT_EQ(reading.lines[0].movie.notes, QString(250, u'c') + "\nK: z")
        << "a later short field still fits";
    EXPECT_EQ(reading.fieldsLeftOut, 2);
    EXPECT_EQ(reading.leftOutExamples, QStringList{"Line 7 (Long): Fits, Too long"});

    movie.comments = QString(300, u'c');
    movie.extras.clear();
    reading.add(movie);
    EXPECT_EQ(reading.lines[1].movie.notes.size(), 255);
    EXPECT_EQ(reading.moviesWithFieldsLeftOut, 2);
    EXPECT_TRUE(reading.notes().contains("left out: 3, in 2 movies"))
        << reading.notes().toStdString();

    for (const auto& [price, cost] : {std::pair{"12,50 €", 12.5},
                                      {"1,299.50", 1299.5},
                                      {"$ 7.5", 7.5},
                                      {"1.299,5", 1299.5},
                                      {"1,299", 1299}}) {
        movie.cost = QString::fromUtf8(price);
        reading.add(movie);
        EXPECT_EQ(reading.lines.back().movie.cost.toDouble(), cost) << price;
    }
    movie.title = QString(101, u't');
    reading.add(movie);
    movie.title = "Cast";
    movie.cast = {QString(51, u'a')};
    reading.add(movie);
    EXPECT_EQ(reading.lines.size(), 7u);
    EXPECT_EQ(reading.result.refusedCount, 2);
    EXPECT_EQ(reading.result.refused[0].reason, "the Title is longer than 100 characters");
    EXPECT_EQ(reading.result.refused[1].reason, "a name in Actors is longer than 50 characters");
}

// Every file that is not what it should be is refused with a message that says why, and
// nothing of it is read.
TEST_F(PeerImport, FilesOfOtherKindsAndCraftedFilesAreRefusedWithAReason) {
    QByteArray claimsHuge = peerFile("videos.tc");
    const qsizetype central = claimsHuge.indexOf("PK\x01\x02");
    for (int i = 0; i < 4; ++i)
        claimsHuge[central + 24 + i] = char(i == 3 ? 0x10 : 0);  // 256 MB unpacked
    struct Case {
        const char* what;
        std::function<void()> read;
        const char* message;
    };
    const Case cases[] = {
        {"a ../ path", [] { io::ReadTellico(peerFile("traversal.tc")); },
         "it holds the path '../../.bashrc', which leads out of its folder"},
        {"a member bigger than its headers say",
         [] { io::ReadZipMember(peerFile("lying-size.tc"), "tellico.xml", 1024 * 1024); },
         "it would unpack to more than 1 MB"},
        {"headers that claim too much", [&] { io::ReadTellico(claimsHuge); },
         "it would unpack to more than 200 MB"},
        {"an external entity", [] { io::ReadTellico(peerFile("entity.xml")); },
         "declares the external entity 'secret'"},
        {"broken XML", [] { io::ReadTellico(peerFile("broken.xml")); }, "not well-formed XML"},
        {"a cut archive", [] { io::ReadTellico(peerFile("videos.tc").chopped(40)); },
         "The archive cannot be read"},
        {"GCstar for the KDE manager", [] { io::ReadTellico(peerFile("movies.gcs")); },
         "its XML is a 'collection' document"},
        {"the KDE manager's for GCstar", [] { io::ReadGcstar(peerFile("videos.xml")); },
         "its XML is a 'tellico' document"},
        {"CSV for the KDE manager", [] { io::ReadTellico(peerFile("list.csv")); },
         "is not a collection of the KDE collection manager: it is no XML"},
        {"books only",
         [] { io::ReadTellico("<tellico><collection type=\"2\" title=\"B\"/></tellico>"); },
         "holds no video collection"},
        {"GCstar books",
         [] { io::ReadGcstar("<collection type=\"GCbooks\"><item title=\"x\"/></collection>"); },
         "of the kind 'GCbooks', not of movies"},
        {"an archive for CSV", [] { io::ReadCsv(peerFile("videos.tc")); }, "it is a zip archive"},
        {"binary for CSV", [] { io::ReadCsv(QByteArray("\x89PNG\r\n\0\0", 8)); },
         "it holds binary data"},
        {"a cut XML", [] { io::ReadGcstar(peerFile("movies.gcs").left(600)); }, "cut short"},
        {"a member whose headers lie, under the limit",
         [] { io::ReadZipMember(peerFile("lying-size.tc"), "tellico.xml"); }, "is damaged"},
        {"a folder", [] { io::ReadPeerBytes(TALLOWMERE_PEER_FILES); }, "is a folder"},
        {"a device that never ends", [] { io::ReadPeerBytes("/dev/zero"); }, "not a file"},
    };
    for (const Case& each : cases) {
        try {
            each.read();
            ADD_FAILURE() << each.what << ": read";
        } catch (const io::FileError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(each.message)))
                << each.what << ": " << error.message().toStdString();
        }
    }
}

TEST_F(PeerImport, TheFormatIsToldByTheContentFirst) {
    using io::PeerFormat;
    EXPECT_EQ(io::GuessPeerFormat("x.csv", peerFile("videos.tc")), PeerFormat::Tellico);
    EXPECT_EQ(io::GuessPeerFormat("x.txt", peerFile("videos.xml")), PeerFormat::Tellico);
    EXPECT_EQ(io::GuessPeerFormat("x.xml", peerFile("movies.gcs")), PeerFormat::Gcstar);
    EXPECT_EQ(io::GuessPeerFormat("x.CSV", peerFile("list.csv")), PeerFormat::Csv);
    EXPECT_EQ(io::GuessPeerFormat("x.doc", peerFile("list.csv")), std::nullopt);
    EXPECT_EQ(io::PeerFormatNamed("gcstar"), PeerFormat::Gcstar);
    EXPECT_EQ(io::PeerFormatNamed("excel"), std::nullopt);
}

}  // namespace

namespace {

class PeerCovers : public PeerImport {
protected:
    int addMovie(const char* title) {
        db::MovieRecord movie;
        movie.title = title;
        movie.mediaId = movie.ratingId = movie.locationId = 1;
        return db::InsertMovie(connection, movie);
    }

    io::PictureImportResult importWithCovers(io::PeerReading reading, const char* file) {
        io::FindCoversBeside(reading, QStringLiteral(TALLOWMERE_PEER_FILES "/") + file);
        const io::ImportResult result = io::ImportLines(connection, reading.lines);
        return io::ImportPeerCovers(connection, reading, result);
    }

    QSize storedSize(int movieId) {
        const db::PictureData picture = db::ReadMoviePicture(connection, movieId);
        return {picture.width, picture.height};
    }
};

// A cover goes to the movie its entry wrote, also one it updated by title; a cover that is no
// picture, one the file lacks and one outside the collection's folder are each refused by name,
// and nothing of them is stored.
TEST_F(PeerCovers, EachCoverGoesToTheMovieItsEntryWroteAndABadOneIsRefusedByName) {
    const int zardoz = addMovie("Zardoz");
    const int alien = addMovie("Alien");
    const io::PictureImportResult packed =
        importWithCovers(io::ReadTellico(peerFile("covers.tc")), "covers.tc");
    EXPECT_EQ(packed.stored, 1);
    EXPECT_EQ(packed.matched, QStringList{"alien.png: Alien"});
    EXPECT_EQ(db::MoviesWithPictures(connection), QList<int>{alien});
    EXPECT_EQ(storedSize(alien), QSize(30, 45));
    ASSERT_EQ(packed.refused.size(), 2) << packed.refused.join("\n").toStdString();
    EXPECT_TRUE(packed.refused[0].startsWith("brazil.jpg (Brazil): "));
    EXPECT_TRUE(packed.refused[1].startsWith("casablanca.png (Casablanca): "));
    EXPECT_TRUE(packed.refused[1].contains("images/casablanca.png"))
        << packed.refused[1].toStdString();

    const io::PictureImportResult beside =
        importWithCovers(io::ReadGcstar(peerFile("covers.gcs")), "covers.gcs");
    EXPECT_EQ(beside.stored, 1);
    EXPECT_EQ(storedSize(alien), QSize(40, 60)) << "the file beside the collection";
    ASSERT_EQ(beside.refused.size(), 2) << beside.refused.join("\n").toStdString();
    EXPECT_TRUE(beside.refused[0].contains("leads out of the collection's folder"));
    EXPECT_TRUE(beside.refused[1].contains("only a picture beside the collection is read"));
    EXPECT_EQ(db::MoviesWithPictures(connection), QList<int>{alien}) << "Brazil has none";
    EXPECT_TRUE(db::ReadMoviePicture(connection, zardoz).isEmpty());

    // The bare XML keeps its pictures inside, in base64.
    const io::PeerReading bare = io::ReadTellico(peerFile("videos.xml"));
    EXPECT_EQ(importWithCovers(bare, "videos.xml").stored, 1);
    EXPECT_EQ(storedSize(alien), QSize(1, 1));
}

}  // namespace
