#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "io/CoverPicture.h"
#include "io/ExportMovies.h"
#include "io/ImportMovies.h"
#include "io/PictureFolder.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QImage>

namespace {

int addMovie(db::Connection& connection, const QString& title, const QString& label = {}) {
    db::MovieRecord movie;
    movie.title = title;
    movie.labelNumber = label;
    movie.mediaId = movie.ratingId = movie.locationId = 1;
    return db::InsertMovie(connection, movie);
}

void givePicture(db::Connection& connection, int movieId, const QImage& image) {
    const io::PreparedPicture prepared = io::PrepareCoverPicture(image);
    ASSERT_TRUE(prepared.ok()) << prepared.error.toStdString();
    db::SetMoviePicture(connection, movieId, prepared.data);
}

QSize storedSize(db::Connection& connection, int movieId) {
    const db::PictureData stored = db::ReadMoviePicture(connection, movieId);
    return {stored.width, stored.height};
}

// The export writes the pictures beside the movie file by MovieId; an import into another
// catalogue gives each to the movie its line wrote, by the title it updates or adds.
TEST(PictureFolder, AnExportImportedElsewhereBringsEachPictureToItsMovie) {
    test::TestCatalogue source;
    db::Connection& from = source.open();
    const int alien = addMovie(from, "Alien");
    const int brazil = addMovie(from, "Brazil");
    addMovie(from, "Casablanca");
    givePicture(from, alien, test::DrawnPicture(600, 900));
    givePicture(from, brazil, test::DrawnPicture(300, 200, true));
    const QString file = source.path("Movies.txt");
    const QString folder = io::PictureFolderOf(file);
    QDir().mkpath(folder);
    test::WriteFile(folder + "/99.jpg", "left by an earlier export");
    test::WriteFile(folder + "/notes.txt", "the user's own");

    const io::ExportResult exported = io::ExportMovies(from, file);
    EXPECT_EQ(exported.pictures, 2);
    EXPECT_EQ(
        QDir(folder).entryList(QDir::Files),
        (QStringList{QString("%1.jpg").arg(alien), QString("%1.png").arg(brazil), "notes.txt"}));
    EXPECT_EQ(test::ContentsOf(QString("%1/%2.jpg").arg(folder).arg(alien)),
              db::ReadMoviePicture(from, alien).picture);

    test::TestCatalogue target;
    db::Connection& to = target.open();
    addMovie(to, "Dune");
    const int existingBrazil = addMovie(to, "BRAZIL");  // updated by title
    const io::ImportResult imported = io::ImportMovies(to, file);
    EXPECT_EQ(imported.pictures.stored, 2);
    EXPECT_EQ(imported.pictures.unmatched, QStringList{"notes.txt"});
    EXPECT_EQ(storedSize(to, db::FindMovieByTitle(to, "Alien")), QSize(600, 900));
    EXPECT_EQ(db::ReadMoviePicture(to, existingBrazil).format, "png");
    EXPECT_TRUE(db::ReadMoviePicture(to, db::FindMovieByTitle(to, "Casablanca")).isEmpty());
    EXPECT_TRUE(io::ImportNotes(imported).contains("Pictures imported: 2."));

    // Without pictures the folder goes again; the user's own file keeps it.
    db::RemoveMoviePicture(from, alien);
    db::RemoveMoviePicture(from, brazil);
    EXPECT_EQ(io::ExportMovies(from, file).pictures, 0);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"notes.txt"});
    QFile::remove(folder + "/notes.txt");
    io::ExportMovies(from, file);
    EXPECT_FALSE(QDir(folder).exists());
    EXPECT_EQ(io::ImportMovies(to, file).pictures.stored, 0) << "no folder, no pictures";
}

// A folder of ten thousand files, most of which name nothing and some of which are no
// pictures: each file is matched by label number, else title; the bad ones are refused with a
// reason, and each movie ends with one picture at most.
TEST(PictureFolder, AFolderOfManyFilesIsMatchedByLabelOrTitleAndBadOnesRefused) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    const int alien = addMovie(connection, "Alien", "A-1");
    const int brazil = addMovie(connection, "Brazil", "B-2");
    const int casablanca = addMovie(connection, "Casablanca", "");
    const int dune = addMovie(connection, "Dune", "SHARED");
    addMovie(connection, "Eraserhead", "shared");
    const QString folder = files.path("covers");
    QDir().mkpath(folder);
    const QByteArray jpeg = test::JpegBytes(400, 600);
    test::WriteFile(folder + "/a-1.jpg", jpeg);
    test::WriteFile(folder + "/Alien.jpg", jpeg);  // the same movie by title: replaces it
    test::WriteFile(folder + "/brazil.png", test::Encoded(test::DrawnPicture(200, 300), "PNG"));
    test::WriteFile(folder + "/Casablanca.jpg", "no picture at all");
    test::WriteFile(folder + "/shared.jpg", jpeg);  // a label two movies have: by title only
    test::WriteFile(folder + "/Dune.jpg", jpeg.left(jpeg.size() / 3));
    for (int number = 0; number < 9994; ++number)
        test::WriteFile(folder + QString("/scan %1.jpg").arg(number), "x");

    const io::PictureImportResult result = io::ImportPicturesByName(connection, folder);
    EXPECT_EQ(result.stored, 3);
    EXPECT_EQ(result.matched,
              (QStringList{"Alien.jpg: Alien", "a-1.jpg: Alien", "brazil.png: Brazil"}));
    EXPECT_EQ(result.unmatched.size(), 9995);
    EXPECT_TRUE(result.unmatched.contains("shared.jpg"));
    ASSERT_EQ(result.refused.size(), 2);
    EXPECT_TRUE(result.refused[0].startsWith("Casablanca.jpg: 'Casablanca.jpg' is not a picture"))
        << result.refused[0].toStdString();
    EXPECT_TRUE(result.refused[1].contains("incomplete JPEG")) << result.refused[1].toStdString();
    EXPECT_EQ(db::MoviesWithPictures(connection), (QList<int>{alien, brazil}));
    EXPECT_TRUE(db::ReadMoviePicture(connection, casablanca).isEmpty());
    EXPECT_TRUE(db::ReadMoviePicture(connection, dune).isEmpty());
    EXPECT_THROW(io::ImportPicturesByName(connection, files.path("nowhere")), db::Error);
}

// Written under the label number, or the title where the label is empty or shared; a movie
// whose names another movie takes is said, not written over.
TEST(PictureFolder, AnExportByNameUsesTheLabelThenTheTitle) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    const int ids[] = {addMovie(connection, "Alien", "A-1"), addMovie(connection, "AC/DC", ""),
                       addMovie(connection, "Brazil", "X"), addMovie(connection, "Brazil 2", "x"),
                       addMovie(connection, "Dune", "Brazil")};
    for (int id : ids)
        givePicture(connection, id, test::DrawnPicture(100, 150));
    QStringList notWritten;
    const QStringList written =
        io::ExportPicturesByName(connection, files.path("out"), &notWritten);
    EXPECT_EQ(written, (QStringList{"A-1.jpg", "AC_DC.jpg", "Brazil 2.jpg", "Brazil.jpg"}));
    EXPECT_EQ(notWritten, QStringList{"Brazil"})
        << "its label is shared and its title is Dune's label, which a file name matches first";
    EXPECT_EQ(QDir(files.path("out")).entryList(QDir::Files).size(), 4);
}

}  // namespace
