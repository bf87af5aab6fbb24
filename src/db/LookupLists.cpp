#include "db/LookupLists.h"

#include "db/Connection.h"
#include "db/Transaction.h"
#include "db/UnicodeCase.h"

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

// The rows of a table that no movie uses, by the same measure as the counts above.
QString unused(LookupTable table) {
    switch (table) {
        case LookupTable::Genre:
            return QStringLiteral(
                "NOT EXISTS (SELECT 1 FROM [MovieGenre] AS mg INNER JOIN [Movie] AS m "
                "ON m.[MovieId] = mg.[MovieId] WHERE mg.[GenreId] = [Genre].[GenreId])");
        case LookupTable::Actor:
            return QStringLiteral(
                "NOT EXISTS (SELECT 1 FROM [MovieActor] WHERE [ActorId] = [Actor].[ActorId])");
        case LookupTable::Location:
        case LookupTable::Media:
        case LookupTable::Rating:
            break;
    }
    return QStringLiteral("NOT EXISTS (SELECT 1 FROM [Movie] WHERE [%1] = [%2].[%1])")
        .arg(IdColumnName(table), TableName(table));
}

bool nameExists(Connection& connection, LookupTable table, const QString& name) {
    const QString count =
        QStringLiteral("SELECT COUNT(*) FROM [%1] WHERE ").arg(TableName(table)) + NameMatch();
    return connection.scalar(count, {CaseFold(name), NotNull(name)}).toInt() > 0;
}

}  // namespace

QList<LookupEntry> LookupEntries(Connection& connection, LookupTable table) {
    QList<LookupEntry> entries;
    QSqlQuery query = connection.query(
        QStringLiteral("SELECT [%1], [Name] FROM [%2]").arg(IdColumnName(table), TableName(table)) +
        NameOrder(table));
    while (query.next())
        entries.append({query.value(0).toInt(), query.value(1).toString()});
    return entries;
}

bool AddLookupName(Connection& connection, LookupTable table, const QString& name) {
    Transaction transaction(connection);
    if (nameExists(connection, table, name))
        return false;
    AddLookupRow(connection, table, name);
    return true;
}

bool RenameLookupName(Connection& connection, LookupTable table, const QString& oldName,
                      const QString& newName) {
    Transaction transaction(connection);
    // A new name that differs from the old one only in letter case names the same rows.
    if (CaseFold(newName) != CaseFold(oldName) && nameExists(connection, table, newName))
        return false;
    connection.execute(
        QStringLiteral("UPDATE [%1] SET [Name] = ?, [NameKey] = ? WHERE ").arg(TableName(table)) +
            NameMatch(),
        {NotNull(newName), CaseFold(newName), CaseFold(oldName), NotNull(oldName)});
    return true;
}

void DeleteLookupName(Connection& connection, LookupTable table, const QString& name) {
    connection.execute(QStringLiteral("DELETE FROM [%1] WHERE ").arg(TableName(table)) +
                           NameMatch() + QStringLiteral(" AND ") + unused(table),
                       {CaseFold(name), NotNull(name)});
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
