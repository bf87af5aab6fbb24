#include "CatalogueGenerator.h"
#include "StoredMovies.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "io/ExportMovies.h"
#include "io/ImportMovies.h"
#include "support/TestCatalogue.h"
#include "support/TestData.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

using db::LookupTable;

// The file without the MovieId of each line: an import gives the movies ids of its own.
QByteArray withoutMovieIds(const QByteArray& file) {
    QList<QByteArray> lines = file.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i)
        lines[i] = lines[i].mid(lines[i].indexOf(',') + 1);
    return lines.join('\n');
}

TEST(RoundTrip, AnExportedCatalogueImportsIntoAFreshOneAndExportsTheSameFile) {
    test::TestCatalogue source;
    bench::GeneratorOptions options;
    options.movies = 300;
    options.actors = 400;
    bench::GenerateCatalogue(source.path("GEN.db"), options);
    db::Connection& from = source.open("GEN");

    test::TestCatalogue target;
    db::Connection& to = target.open();
    const QString first = target.path("first.txt");
    const QString second = target.path("second.txt");

    const io::ExportResult exported = io::ExportMovies(from, first);
    ASSERT_EQ(exported.exported, 300);
    EXPECT_EQ(exported.leftOut, 0);
    const io::ImportResult imported = io::ImportMovies(to, first);
    EXPECT_EQ(imported.imported, 300);
    EXPECT_EQ(imported.skipped, 0);
    EXPECT_EQ(imported.failedLine, 0) << imported.failure.toStdString();
    io::ExportMovies(to, second);
    const QByteArray secondFile = test::ContentsOf(second);
    EXPECT_EQ(withoutMovieIds(test::ContentsOf(first)), withoutMovieIds(secondFile));
    EXPECT_TRUE(secondFile.endsWith("\"\r\n")) << "nothing after the last line";

    EXPECT_EQ(test::StoredMovies(from), test::StoredMovies(to));
    for (LookupTable table :
         {LookupTable::Genre, LookupTable::Media, LookupTable::Rating, LookupTable::Location})
        EXPECT_EQ(db::LookupNames(from, table), db::LookupNames(to, table))
            << db::TableName(table).toStdString();

    // Importing a file again updates every movie by title and adds nothing.
    const int links = to.scalar("SELECT COUNT(*) FROM [MovieActor]").toInt();
    EXPECT_EQ(io::ImportMovies(to, second).imported, 300);
    EXPECT_EQ(db::CountMovies(to), 300);
    EXPECT_EQ(to.scalar("SELECT COUNT(*) FROM [MovieActor]").toInt(), links);
    io::ExportMovies(to, second);
    EXPECT_EQ(test::ContentsOf(second), secondFile);
}

}  // namespace
