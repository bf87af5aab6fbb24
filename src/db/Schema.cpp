#include "db/Schema.h"

#include "db/CaseKeys.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/SeedRows.h"
#include "db/TextLimits.h"
#include "db/Transaction.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace db {

namespace {

// SQLite keeps index names per file, so each index carries its table's name in front.
void createLookupTable(Connection& connection, const QString& table) {
    connection.execute(QStringLiteral("CREATE TABLE [%1] ("
                                      "[%1Id] INTEGER PRIMARY KEY AUTOINCREMENT, "
                                      "[Name] TEXT COLLATE NOCASE CHECK (length([Name]) <= %2))")
                           .arg(table)
                           .arg(NameMaximum));
    connection.execute(QStringLiteral("CREATE INDEX [%1_Name] ON [%1] ([Name])").arg(table));
}

void createLinkTable(Connection& connection, const QString& table, const QString& otherId) {
    connection.execute(QStringLiteral("CREATE TABLE [%1] ([MovieId] INTEGER NOT NULL, "
                                      "[%2] INTEGER NOT NULL)")
                           .arg(table, otherId));
    connection.execute(QStringLiteral("CREATE INDEX [%1_PrimaryKey] ON [%1] ([MovieId], [%2])")
                           .arg(table, otherId));
}

template <size_t N>
void seed(Connection& connection, const QString& table, const std::array<const char*, N>& names) {
    const QString sql = QStringLiteral("INSERT INTO [%1] ([Name]) VALUES (?)").arg(table);
    for (const char* name : names)
        connection.execute(sql, {QString::fromUtf8(name)});
}

void buildAndSeed(Connection& connection) {
    Transaction transaction(connection);
    CreateActorTable(connection);
    CreateGenreTable(connection);
    CreateLocationTable(connection);
    CreateMediaTable(connection);
    CreateMovieTable(connection);
    CreateMovieActorTable(connection);
    CreateRatingTable(connection);
    CreateVersionTable(connection);
    seed(connection, QStringLiteral("Actor"), SeedActors);
    seed(connection, QStringLiteral("Location"), SeedLocations);
    seed(connection, QStringLiteral("Genre"), SeedGenres);
    seed(connection, QStringLiteral("Media"), SeedMedia);
    seed(connection, QStringLiteral("Rating"), SeedRatings);
    AddCaseKeys(connection);
}

}  // namespace

void CreateActorTable(Connection& connection) {
    createLookupTable(connection, QStringLiteral("Actor"));
}

void CreateGenreTable(Connection& connection) {
    createLookupTable(connection, QStringLiteral("Genre"));
}

void CreateLocationTable(Connection& connection) {
    createLookupTable(connection, QStringLiteral("Location"));
}

void CreateMediaTable(Connection& connection) {
    createLookupTable(connection, QStringLiteral("Media"));
}

void CreateRatingTable(Connection& connection) {
    createLookupTable(connection, QStringLiteral("Rating"));
}

void CreateMovieTable(Connection& connection) {
    connection.execute(
        QStringLiteral("CREATE TABLE [Movie] ("
                       "[MovieId] INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "[GenreId] INTEGER NOT NULL, "
                       "[LocationId] INTEGER NOT NULL, "
                       "[MediaId] INTEGER NOT NULL, "
                       "[RatingId] INTEGER NOT NULL, "
                       "[Title] TEXT COLLATE NOCASE CHECK (length([Title]) <= %1), "
                       "[LabelNumber] TEXT NOT NULL COLLATE NOCASE "
                       "CHECK (length([LabelNumber]) <= %2), "
                       "[Director] TEXT COLLATE NOCASE "
                       "CHECK (length([Director]) <= %3), "
                       "[Producer] TEXT COLLATE NOCASE "
                       "CHECK (length([Producer]) <= %4), "
                       "[ReleaseYear] INTEGER NOT NULL, "
                       "[Minutes] INTEGER NOT NULL, "
                       "[Stars] REAL NOT NULL, "
                       "[AcquireDate] TEXT NOT NULL, "
                       "[Cost] REAL NOT NULL, "
                       "[LentTo] TEXT COLLATE NOCASE CHECK (length([LentTo]) <= %5), "
                       "[LentDate] TEXT NOT NULL, "
                       "[Notes] TEXT COLLATE NOCASE CHECK (length([Notes]) <= %6))")
            .arg(TitleMaximum)
            .arg(LabelMaximum)
            .arg(DirectorMaximum)
            .arg(ProducerMaximum)
            .arg(LentToMaximum)
            .arg(NotesMaximum));
    connection.execute(QStringLiteral("CREATE INDEX [Movie_Title] ON [Movie] ([Title])"));
}

void CreateMovieActorTable(Connection& connection) {
    createLinkTable(connection, QStringLiteral("MovieActor"), QStringLiteral("ActorId"));
}

void CreateMovieGenreTable(Connection& connection) {
    createLinkTable(connection, QStringLiteral("MovieGenre"), QStringLiteral("GenreId"));
}

void CreateMoviePictureTable(Connection& connection) {
    connection.execute(
        QStringLiteral("CREATE TABLE [MoviePicture] ("
                       "[MovieId] INTEGER PRIMARY KEY, "
                       "[Picture] BLOB NOT NULL, "
                       "[Thumbnail] BLOB NOT NULL, "
                       "[Width] INTEGER NOT NULL, "
                       "[Height] INTEGER NOT NULL, "
                       "[Format] TEXT NOT NULL CHECK ([Format] IN ('jpg', 'png')))"));
    connection.execute(
        QStringLiteral("CREATE TRIGGER [Movie_DeletePicture] AFTER DELETE ON [Movie] "
                       "BEGIN DELETE FROM [MoviePicture] WHERE [MovieId] = old.[MovieId]; END"));
}

void CreateVersionTable(Connection& connection) {
    connection.execute(QStringLiteral("CREATE TABLE [Version] ([Version] INTEGER NOT NULL)"));
}

void CreateDatabase(const QString& path) {
    if (QFileInfo::exists(path))
        throw Error(QCoreApplication::translate("db::Schema", "The catalogue '%1' exists already.")
                        .arg(path));
    const QString buildingPath = path + QStringLiteral(".building");
    QFile::remove(buildingPath);  // left behind by a build that was cut off
    try {
        {
            auto connection = Connection::open(buildingPath);
            buildAndSeed(*connection);
        }
        if (!QFile::rename(buildingPath, path))
            throw Error(QCoreApplication::translate("db::Schema",
                                                    "The new catalogue could not be moved to '%1'.")
                            .arg(path));
    } catch (...) {
        QFile::remove(buildingPath);
        QFile::remove(buildingPath + QStringLiteral("-journal"));
        throw;
    }
}

}  // namespace db
