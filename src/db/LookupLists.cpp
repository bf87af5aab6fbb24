#include "db/LookupLists.h"

#include "db/Connection.h"
#include "db/Transaction.h"

namespace db {

namespace {

// The old single-genre column Movie.GenreId no longer says anything: movies keep their genres in
// MovieGenre. Links left behind by a movie that is gone do not hold a genre in use.
const QString CountGenreUses = QStringLiteral(
    "SELECT COUNT(DISTINCT mg.[MovieId]) FROM [MovieGenre] AS mg "
    "INNER JOIN [Movie] AS m ON m.[MovieId] = mg.[MovieId] WHERE mg.[GenreId] = ?");
const QString CountActorUses =
    QStringLiteral("SELECT COUNT(*) FROM [MovieActor] WHERE [ActorId] = ?");
const QString CountMovieColumnUses = QStringLiteral("SELECT COUNT(*) FROM [Movie] WHERE [%1] = ?");

// An empty text is stored as such, never as null, so that it can be found again by name.
QString text(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

}  // namespace

QList<LookupEntry> LookupEntries(Connection& connection, LookupTable table) {
    QList<LookupEntry> entries;
    QSqlQuery query =
        connection.query(QStringLiteral("SELECT [%1], [Name] FROM [%2] ORDER BY [Name]")
                             .arg(IdColumnName(table), TableName(table)));
    while (query.next())
        entries.append({query.value(0).toInt(), query.value(1).toString()});
    return entries;
}

bool AddLookupName(Connection& connection, LookupTable table, const QString& name) {
    Transaction transaction(connection);
    const QString count =
        QStringLiteral("SELECT COUNT(*) FROM [%1] WHERE [Name] = ?").arg(TableName(table));
    if (connection.scalar(count, {text(name)}).toInt() > 0)
        return false;
    connection.execute(QStringLiteral("INSERT INTO [%1] ([Name]) VALUES (?)").arg(TableName(table)),
                       {text(name)});
    return true;
}

void RenameLookupName(Connection& connection, LookupTable table, const QString& oldName,
                      const QString& newName) {
    connection.execute(
        QStringLiteral("UPDATE [%1] SET [Name] = ? WHERE [Name] = ?").arg(TableName(table)),
        {text(newName), text(oldName)});
}

void DeleteLookupName(Connection& connection, LookupTable table, const QString& name) {
    connection.execute(QStringLiteral("DELETE FROM [%1] WHERE [Name] = ?").arg(TableName(table)),
                       {text(name)});
}

int CountLookupUses(Connection& connection, LookupTable table, int id) {
    switch (table) {
        case LookupTable::Genre:
            return connection.scalar(CountGenreUses, {id}).toInt();
        case LookupTable::Actor:
            return connection.scalar(CountActorUses, {id}).toInt();
        case LookupTable::Location:
        case LookupTable::Media:
        case LookupTable::Rating:
            break;
    }
    return connection.scalar(CountMovieColumnUses.arg(IdColumnName(table)), {id}).toInt();
}

}  // namespace db
