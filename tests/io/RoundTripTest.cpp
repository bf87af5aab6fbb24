#include "CatalogueGenerator.h"
#include "db/Genres.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/StoredDate.h"
#include "db/TextRoutines.h"
#include "io/ExportMovies.h"
#include "io/ImportMovies.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>
#include <QFile>
#include <map>

namespace {

using db::LookupTable;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file without the MovieId of each line: an import gives the movies ids of its own.
QByteArray withoutMovieIds(const QByteArray& file) {
    QList<QByteArray> lines = file.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i)
        lines[i] = lines[i].mid(lines[i].indexOf(',') + 1);
    return lines.join('\n');
}

// Everything the movie file carries of every movie, by title. Double quotes are the one thing
// the file cannot carry, so they are left out here as well.
std::map<QString, QStringList> moviesOf(db::Connection& connection) {
    QHash<int, QString> casts;
    QSqlQuery cast = connection.query(
        "SELECT ma.[MovieId], a.[Name] FROM [MovieActor] AS ma JOIN [Actor] AS a "
        "ON a.[ActorId] = ma.[ActorId] ORDER BY ma.rowid");
    while (cast.next())
        casts[cast.value(0).toInt()] += cast.value(1).toString() + u'/';
    const QHash<int, QString> genres = db::GetAllGenreTexts(connection);

    std::map<QString, QStringList> movies;
    QSqlQuery row = connection.query(
        "SELECT m.[MovieId], m.[Title], d.[Name], r.[Name], l.[Name], m.[LabelNumber], "
        "m.[Director], m.[Producer], m.[LentTo], m.[Notes], m.[Stars], m.[Minutes], "
        "m.[ReleaseYear], m.[AcquireDate], m.[LentDate], m.[Cost] FROM [Movie] AS m "
        "JOIN [Media] AS d ON d.[MediaId] = m.[MediaId] "
        "JOIN [Rating] AS r ON r.[RatingId] = m.[RatingId] "
        "JOIN [Location] AS l ON l.[LocationId] = m.[LocationId]");
    while (row.next()) {
        QStringList fields;
        for (int column = 1; column <= 12; ++column)
            fields.append(db::StripQuotes(row.value(column).toString()));
        fields.append(db::SlashDateText(db::DateFromStored(row.value(13))));
        fields.append(db::SlashDateText(db::DateFromStored(row.value(14))));
        fields.append(db::Currency::fromDouble(row.value(15).toDouble()).toPlainText());
        const int id = row.value(0).toInt();
        fields.append(genres.value(id));
        fields.append(casts.value(id));
        movies[fields.front()] = fields;
    }
    return movies;
}

TEST(RoundTrip, AnExportedCatalogueImportsIntoAFreshOneAndExportsTheSameFile) {
    test::TestCatalogue source;
    bench::GeneratorOptions options;
    options.movies = 300;
    options.actors = 400;
    bench::GenerateCatalogue(source.path(QStringLiteral("GEN.db")), options);
    db::Connection& from = source.open(QStringLiteral("GEN"));

    test::TestCatalogue target;
    db::Connection& to = target.open();
    const QString first = target.path(QStringLiteral("first.txt"));
    const QString second = target.path(QStringLiteral("second.txt"));

    const io::ExportResult exported = io::ExportMovies(from, first);
    ASSERT_EQ(exported.exported, 300);
    EXPECT_EQ(exported.leftOut, 0);
    const io::ImportResult imported = io::ImportMovies(to, first);
    EXPECT_EQ(imported.imported, 300);
    EXPECT_EQ(imported.skipped, 0);
    EXPECT_EQ(imported.failedLine, 0) << imported.failure.toStdString();
    io::ExportMovies(to, second);
    const QByteArray secondFile = contentsOf(second);
    EXPECT_EQ(withoutMovieIds(contentsOf(first)), withoutMovieIds(secondFile));
    EXPECT_TRUE(secondFile.endsWith("\"\r\n")) << "nothing after the last line";

    EXPECT_EQ(moviesOf(from), moviesOf(to));
    for (LookupTable table :
         {LookupTable::Genre, LookupTable::Media, LookupTable::Rating, LookupTable::Location})
        EXPECT_EQ(db::LookupNames(from, table), db::LookupNames(to, table))
            << db::TableName(table).toStdString();

    // Importing a file again updates every movie by title and adds nothing.
    const int links = to.scalar(QStringLiteral("SELECT COUNT(*) FROM [MovieActor]")).toInt();
    EXPECT_EQ(io::ImportMovies(to, second).imported, 300);
    EXPECT_EQ(db::CountMovies(to), 300);
    EXPECT_EQ(to.scalar(QStringLiteral("SELECT COUNT(*) FROM [MovieActor]")).toInt(), links);
    io::ExportMovies(to, second);
    EXPECT_EQ(contentsOf(second), secondFile);
}

}  // namespace
