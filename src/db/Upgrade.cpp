#include "db/Upgrade.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Schema.h"
#include "db/Transaction.h"

#include <QCoreApplication>

namespace db {

namespace {

template <typename Step>
void runStep(Connection& connection, int version, Step step) {
    try {
        Transaction transaction(connection);
        step();
        SetVersion(connection, version);
    } catch (const Error& error) {
        const QString message =
            QCoreApplication::translate("db::Upgrade",
                                        "The catalogue could not be upgraded to version "
                                        "%1; it is left as it was.\n%2")
                .arg(version)
                .arg(error.message());
        // Damage stays damage: only a backup or a rescue mends it.
        if (const auto* refusal = dynamic_cast<const DatabaseError*>(&error);
            refusal && refusal->damaged())
            throw DatabaseError(message, refusal->statement(), true);
        throw Error(message);
    }
}

}  // namespace

int ReadVersion(Connection& connection) {
    QSqlQuery query = connection.query(QStringLiteral("SELECT [Version] FROM [Version]"));
    if (!query.next() || query.value(0).isNull())
        return 0;
    return query.value(0).toInt();
}

void UpdateDatabase(Connection& connection) {
    switch (ReadVersion(connection)) {
        case 0:
            UpgradeToVersion1(connection);
            break;
        case 1:
            UpgradeToVersion2(connection);
            break;
        case 2:
            UpgradeToVersion3(connection);
            break;
        case 3:
            UpgradeToVersion4(connection);
            break;
        default:
            break;  // current, or newer than this program knows: left alone
    }
}

void UpgradeToVersion1(Connection& connection) {
    runStep(connection, 1, [&] {
        CreateMovieGenreTable(connection);
        MoveGenresToMovieGenre(connection);
    });
}

void UpgradeToVersion2(Connection& connection) {
    runStep(connection, 2, [&] {
        connection.execute(QStringLiteral("DELETE FROM [Genre] WHERE [Name] = '(none)'"));
    });
}

void UpgradeToVersion3(Connection& connection) {
    runStep(connection, 3, [&] {
        connection.execute(
            QStringLiteral("ALTER TABLE [Movie] ADD COLUMN [ImageFile] VARCHAR(255) "
                           "NULL CHECK (length([ImageFile]) <= 255)"));
    });
}

void UpgradeToVersion4(Connection& connection) {
    runStep(connection, 4, [&] { CreateMoviePictureTable(connection); });
}

void SetVersion(Connection& connection, int version) {
    connection.execute(QStringLiteral("DELETE FROM [Version]"));
    connection.execute(QStringLiteral("INSERT INTO [Version] ([Version]) VALUES (?)"), {version});
}

void MoveGenresToMovieGenre(Connection& connection) {
    connection.execute(
        QStringLiteral("INSERT INTO [MovieGenre] ([MovieId], [GenreId]) "
                       "SELECT [MovieId], [GenreId] FROM [Movie] "
                       "WHERE [GenreId] IS NOT NULL ORDER BY [MovieId]"));
}

}  // namespace db
