#include "db/LookupTable.h"
#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "db/StoredDate.h"
#include "io/CoverPicture.h"
#include "io/MovieFileError.h"
#include "io/publish/CatalogueJson.h"
#include "io/publish/PublishSite.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using db::LookupTable;
using Field = io::PublishedField;

const QByteArray DataStart = R"(<script type="application/json" id="catalogue">)";

class Publish : public testing::Test {
protected:
    int id(LookupTable table, const char* name) {
        return db::LookupOrAddId(connection, table, QString::fromUtf8(name));
    }

    db::MovieRecord plainMovie(const QString& title) {
        db::MovieRecord movie;
        movie.title = title;
        movie.mediaId = movie.ratingId = movie.locationId = 1;
        return movie;
    }

    // The catalogue as the page reads it: the text of its data element, up to the first end of
    // a script element, which must be all of it.
    QJsonObject publishedData(const QString& folder) {
        const QByteArray page = test::ContentsOf(folder + "/index.html");
        const qsizetype start = page.indexOf(DataStart);
        EXPECT_GE(start, 0);
        const qsizetype from = start + DataStart.size();
        const QByteArray data = page.mid(from, page.indexOf("</script>", from) - from);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(data, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return document.object();
    }

    QStringList names(const QJsonObject& data, const char* list, const QJsonArray& indexes) {
        QStringList found;
        for (const QJsonValue& index : indexes)
            found.append(data[list].toArray().at(index.toInt()).toString());
        return found;
    }

    test::TestCatalogue files;
    db::Connection& connection = files.open();
    const QString folder = files.path("site");
};

TEST_F(Publish, TheDataHoldsEveryFieldOfEveryMovieInTitleOrder) {
    db::MovieRecord alien;
    alien.title = "Alien";
    alien.stars = 4.5;
    alien.genreIds = QStringLiteral("%1/%2")
                         .arg(id(LookupTable::Genre, "Science Fiction "))
                         .arg(id(LookupTable::Genre, "Horror"));
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
    alien.lentTo = "Zoë";
    alien.lentDate = db::CatalogueDateTime(QDate(2025, 12, 1));
    alien.notes = "Line one\nLine \"two\" \\ \t";
    db::SetMovieCast(connection, db::InsertMovie(connection, alien),
                     {"Sigourney Weaver", "Kevin Bacon"});
    db::MovieRecord brazil = plainMovie("brazil");
    brazil.genreIds = QString::number(id(LookupTable::Genre, "Horror"));
    brazil.acquireDate = db::CatalogueDateTime(QDate(1899, 12, 30));
    db::SetMovieCast(connection, db::InsertMovie(connection, brazil), {"Kevin Bacon"});
    db::MovieRecord amelie = plainMovie("Amélie");
    amelie.mediaId = 99;  // gone: the movie is published all the same, without a media
    db::InsertMovie(connection, amelie);

    const io::PublishResult result =
        io::PublishSite(connection, "Home Vidéos", folder, QDate(2026, 12, 7));
    EXPECT_EQ(result.movies, 3);
    EXPECT_EQ(result.page, QDir(folder).absoluteFilePath("index.html"));
    const QJsonObject data = publishedData(folder);
    EXPECT_EQ(data["name"].toString(), "Home Vidéos");
    EXPECT_EQ(data["published"].toString(), "2026-12-07");
    EXPECT_EQ(data["actors"].toArray().size(), 2) << "each name once";
    const QJsonArray movies = data["movies"].toArray();
    ASSERT_EQ(movies.size(), 3);
    QStringList titles;
    for (const QJsonValue& movie : movies)
        titles.append(movie[int(Field::Title)].toString());
    EXPECT_EQ(titles, (QStringList{"Alien", "Amélie", "brazil"})) << "ignoring case";

    const QJsonArray first = movies[0].toArray();
    EXPECT_EQ(first[int(Field::MovieId)].toInt(), 1);
    EXPECT_EQ(first[int(Field::Year)].toInt(), 1979);
    EXPECT_EQ(first[int(Field::Minutes)].toInt(), 117);
    EXPECT_EQ(first[int(Field::Stars)].toDouble(), 4.5);
    EXPECT_EQ(names(data, "genres", first[int(Field::Genres)].toArray()),
              (QStringList{"Science Fiction", "Horror"}));
    EXPECT_EQ(first[int(Field::Media)].toString(), "DVD");
    EXPECT_EQ(first[int(Field::Rating)].toString(), "R");
    EXPECT_EQ(first[int(Field::Location)].toString(), "Living Room");
    EXPECT_EQ(first[int(Field::Label)].toString(), "A-1");
    EXPECT_EQ(first[int(Field::Director)].toString(), "Ridley Scott");
    EXPECT_EQ(first[int(Field::Producer)].toString(), "Gordon Carroll");
    EXPECT_EQ(names(data, "actors", first[int(Field::Cast)].toArray()),
              (QStringList{"Sigourney Weaver", "Kevin Bacon"}))
        << "in the order of the cast";
    EXPECT_EQ(first[int(Field::Acquired)].toString(), "2004-03-15");
    EXPECT_EQ(first[int(Field::Cost)].toString(), "12.5");
    EXPECT_EQ(first[int(Field::LentTo)].toString(), "Zoë");
    EXPECT_EQ(first[int(Field::LentDate)].toString(), "2025-12-01");
    EXPECT_EQ(first[int(Field::Notes)].toString(), "Line one\nLine \"two\" \\ \t");
    EXPECT_EQ(first.size(), int(Field::Cover) + 1);

    EXPECT_EQ(movies[1][int(Field::Media)].toString(), "");
    const QJsonArray last = movies[2].toArray();
    EXPECT_EQ(last[int(Field::Acquired)].toString(), "") << "before 1900: no date";
    EXPECT_EQ(names(data, "actors", last[int(Field::Cast)].toArray()), QStringList{"Kevin Bacon"});
    EXPECT_EQ(names(data, "genres", last[int(Field::Genres)].toArray()), QStringList{"Horror"});
}

// The data stands inside the page as it is: no text of the catalogue may end its script
// element, open a comment or carry markup.
TEST_F(Publish, NoTextCanBreakOutOfTheDataElement) {
    const QStringList titles = {"</script><script>alert(1)</script>",
                                "\"><img src=x onerror=alert(1)>", "<!-- & -->",
                                "Line\u2028Separator", "\U0001F3AC Clapper"};
    for (const QString& title : titles)
        db::InsertMovie(connection, plainMovie(title));
    db::InsertMovie(connection, plainMovie("</SCRIPT "));
    connection.execute("UPDATE [Movie] SET [Stars] = 9e999 WHERE [Title] = '</SCRIPT '");
    io::PublishSite(connection, "<b>KIB</b>", folder, QDate(2026, 1, 2));

    const QByteArray page = test::ContentsOf(folder + "/index.html");
    const qsizetype from = page.indexOf(DataStart) + DataStart.size();
    const QByteArray data = page.mid(from, page.indexOf("</script>", from) - from);
    for (const char* markup : {"<", ">", "&", "\xE2\x80\xA8"})
        EXPECT_FALSE(data.contains(markup)) << markup;

    QStringList published;
    for (const QJsonValue& movie : publishedData(folder)["movies"].toArray())
        published.append(movie[int(Field::Title)].toString());
    for (const QString& title : titles)
        EXPECT_TRUE(published.contains(title)) << title.toStdString();
    EXPECT_EQ(publishedData(folder)["name"].toString(), "<b>KIB</b>");
}

TEST_F(Publish, ThePageIsWholeAndNeedsNoNetwork) {
    db::InsertMovie(connection, plainMovie("Alien"));
    io::PublishSite(connection, "KIB", folder, QDate(2026, 1, 2));
    const QString page = QString::fromUtf8(test::ContentsOf(folder + "/index.html"));
    EXPECT_FALSE(page.contains("/*@")) << "every slot of the template is filled";
    EXPECT_TRUE(page.contains("function fold(")) << "the script is inside";
    EXPECT_TRUE(page.contains("#detail {")) << "the style is inside";
    EXPECT_TRUE(page.contains("default-src 'none'")) << "the page may load nothing";
    EXPECT_FALSE(page.contains("http://"));
    EXPECT_FALSE(page.contains("https://"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"index.html"});
}

// Each cover is published as it is stored, named by the movie; the page names the file of each
// movie that has one, and a cover taken away since an earlier publishing is gone from the folder.
TEST_F(Publish, CoversGoBesideThePageAsStoredAndTheDataNamesThem) {
    const int alien = db::InsertMovie(connection, plainMovie("Alien"));
    const int brazil = db::InsertMovie(connection, plainMovie("Brazil"));
    const int casablanca = db::InsertMovie(connection, plainMovie("Casablanca"));
    const auto give = [&](int movieId, const QImage& image) {
        const io::PreparedPicture prepared = io::PrepareCoverPicture(image);
        ASSERT_TRUE(prepared.ok()) << prepared.error.toStdString();
        db::SetMoviePicture(connection, movieId, prepared.data);
    };
    give(alien, test::DrawnPicture(600, 900));
    give(casablanca, test::DrawnPicture(300, 200, true));
    give(brazil, test::DrawnPicture(100, 100));
    io::PublishSite(connection, "KIB", folder, QDate(2026, 1, 2));
    db::RemoveMoviePicture(connection, brazil);
    io::PublishSite(connection, "KIB", folder, QDate(2026, 1, 3));

    const QString alienFile = QString("%1.jpg").arg(alien);
    const QString casablancaFile = QString("%1.png").arg(casablanca);
    EXPECT_EQ(QDir(folder + "/pictures").entryList(QDir::Files),
              (QStringList{alienFile, casablancaFile}));
    EXPECT_EQ(test::ContentsOf(folder + "/pictures/" + alienFile),
              db::ReadMoviePicture(connection, alien).picture);
    EXPECT_EQ(test::ContentsOf(folder + "/pictures/" + casablancaFile),
              db::ReadMoviePicture(connection, casablanca).picture);
    QStringList covers;
    for (const QJsonValue& movie : publishedData(folder)["movies"].toArray())
        covers.append(movie[int(Field::Cover)].toString());
    EXPECT_EQ(covers, (QStringList{alienFile, "", casablancaFile})) << "in title order";

    db::RemoveMoviePicture(connection, alien);
    db::RemoveMoviePicture(connection, casablanca);
    io::PublishSite(connection, "KIB", folder, QDate(2026, 1, 4));
    EXPECT_FALSE(QDir(folder + "/pictures").exists()) << "no covers, no folder";
}

TEST_F(Publish, ReplacesAnEarlierPageAndReportsAFolderItCannotWrite) {
    db::InsertMovie(connection, plainMovie("Alien"));
    io::PublishSite(connection, "KIB", folder, QDate(2026, 1, 2));
    db::InsertMovie(connection, plainMovie("Brazil"));
    EXPECT_EQ(io::PublishSite(connection, "KIB", folder, QDate(2026, 1, 3)).movies, 2);
    EXPECT_EQ(publishedData(folder)["movies"].toArray().size(), 2);
    EXPECT_EQ(publishedData(folder)["published"].toString(), "2026-01-03");

    test::WriteFile(files.path("plain file"), "not a folder");
    EXPECT_THROW(io::PublishSite(connection, "KIB", files.path("plain file/site"), QDate()),
                 io::FileError);
    QDir().mkpath(files.path("taken/index.html/"));  // a folder where the page would go
    try {
        io::PublishSite(connection, "KIB", files.path("taken"), QDate(2026, 1, 4));
        ADD_FAILURE() << "the page was written over a folder";
    } catch (const io::FileError& error) {
        EXPECT_TRUE(error.message().contains("index.html")) << error.message().toStdString();
    }
    EXPECT_EQ(publishedData(folder)["published"].toString(), "2026-01-03")
        << "a failure leaves the earlier page";
}

}  // namespace
