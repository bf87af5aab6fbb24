#include "db/LookupTable.h"
#include "db/Movies.h"
#include "io/ImportPreview.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace {

using db::LookupTable;

constexpr LookupTable Tables[] = {LookupTable::Actor, LookupTable::Genre, LookupTable::Location,
                                  LookupTable::Media, LookupTable::Rating};

QByteArray movieLine(const QString& title, const QString& media, const QString& location,
                     const QString& genres, const QString& actors) {
    return QStringLiteral(R"(1,"%1",3,"%2","%3",90,"R",1999,"","","%4","%5","",,0,"",,"")")
               .arg(title, genres, media, actors, location)
               .toUtf8() +
           "\r\n";
}

// The names a list holds after the row of that id, in the order they were added.
QStringList namesAfter(db::Connection& connection, LookupTable table, int id) {
    QStringList names;
    QSqlQuery query = connection.query(QStringLiteral("SELECT [Name] FROM [%1] WHERE [%2] > ? "
                                                      "ORDER BY [%2]")
                                           .arg(db::TableName(table), db::IdColumnName(table)),
                                       {id});
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

int lastId(db::Connection& connection, LookupTable table) {
    return connection
        .scalar(QStringLiteral("SELECT MAX([%1]) FROM [%2]")
                    .arg(db::IdColumnName(table), db::TableName(table)))
        .toInt();
}

// The dry run reads what the import then does: the same movies added and updated, the same
// names added to each list in the same order, the same lines passed over; and it writes nothing.
TEST(ImportPreview, ForetellsWhatTheImportDoesAndWritesNothing) {
    test::TestCatalogue files;
    db::Connection& connection = files.open();
    db::MovieRecord alien;
    alien.title = "Alien";
    alien.mediaId = alien.ratingId = alien.locationId = 2;
    db::SetMovieCast(connection, db::InsertMovie(connection, alien), {});
    db::LookupOrAddId(connection, LookupTable::Actor, "Sigourney Weaver");

    const QByteArray file =
        io::MovieFileHeader().toUtf8() + "\r\n" +
        movieLine("ALIEN", "dvd", "Attic", "Horror/(none)/Film Noir",
                  "Sigourney Weaver/John Hurt") +
        movieLine("Brazil", "Betamax", "attic", "film noir", "JOHN HURT/ Jonathan Pryce ") +
        movieLine("brazil", "DVD", "Attic", "", "") + "too short\r\n" +
        "a line of text without any comma at all\r\n" +
        QString::fromUtf8(movieLine("Amélie", "DVD", "Attic", "", "Zoë")).toLatin1() +
        movieLine(QString(101, u'x'), "Laserdisc", "Cellar", "", "Nobody");

    std::map<LookupTable, int> before;
    for (LookupTable table : Tables)
        before[table] = lastId(connection, table);
    const int changes = connection.scalar("SELECT total_changes()").toInt();
    io::MovieFileLines previewed(file);
    const io::ImportPreview preview = io::PreviewImport(connection, previewed);
    EXPECT_EQ(connection.scalar("SELECT total_changes()").toInt(), changes) << "nothing written";

    EXPECT_EQ(preview.added, 2);
    EXPECT_EQ(preview.updated, 2);
    EXPECT_EQ(preview.newNames.value(LookupTable::Actor),
              (QStringList{"John Hurt", "Jonathan Pryce", "Zoë"}));
    EXPECT_EQ(preview.newNames.value(LookupTable::Genre), QStringList{"Film Noir"});
    EXPECT_EQ(preview.windows1252LineNumbers, QList<int>{7});

    const int movies = db::CountMovies(connection);
    io::MovieFileLines imported(file);
    const io::ImportResult result = io::ImportMovies(connection, imported);
    EXPECT_EQ(result.imported, preview.lines.imported);
    EXPECT_EQ(result.imported, preview.added + preview.updated);
    EXPECT_EQ(db::CountMovies(connection) - movies, preview.added);
    EXPECT_EQ(result.skipped, preview.lines.skipped);
    EXPECT_EQ(result.refusedCount, preview.lines.refusedCount);
    ASSERT_EQ(result.refused.size(), preview.lines.refused.size());
    for (qsizetype i = 0; i < result.refused.size(); ++i) {
        EXPECT_EQ(result.refused[i].lineNumber, preview.lines.refused[i].lineNumber);
        EXPECT_EQ(result.refused[i].reason, preview.lines.refused[i].reason);
    }
    EXPECT_EQ(result.windows1252Lines, preview.lines.windows1252Lines);
    for (LookupTable table : Tables)
        EXPECT_EQ(namesAfter(connection, table, before[table]), preview.newNames.value(table))
            << db::TableName(table).toStdString();
}

TEST(ImportPreview, AFileWithoutTheHeaderIsNoMovieFile) {
    test::TestCatalogue files;
    io::MovieFileLines lines(QByteArray("not a movie file\r\n"));
    EXPECT_FALSE(io::PreviewImport(files.open(), lines).lines.headerAccepted);
}

}  // namespace
