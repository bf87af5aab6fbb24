#include "db/ListEntryUse.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/LookupTable.h"
#include "db/Transaction.h"

#include <QCoreApplication>
#include <QStringList>

namespace db {

namespace {

// The link table of a list whose entries movies link to, or nothing for a movie column.
QString linkTable(LookupTable table) {
    switch (table) {
        case LookupTable::Genre:
            return QStringLiteral("MovieGenre");
        case LookupTable::Actor:
            return QStringLiteral("MovieActor");
        default:
            return {};
    }
}

// Ids the program itself holds as numbers, for an IN (...) list.
QString idList(const QList<int>& ids) {
    QStringList numbers;
    for (int id : ids)
        numbers.append(QString::number(id));
    return numbers.join(u',');
}

int mergeLinks(Connection& connection, const QString& links, const QString& column, int keptId,
               const QString& others) {
    const int movies = connection
                           .scalar(QStringLiteral("SELECT COUNT(DISTINCT [MovieId]) FROM [%1] "
                                                  "WHERE [%2] IN (%3)")
                                       .arg(links, column, others))
                           .toInt();
    // A movie that has the kept entry, or two of the others, would get the kept one twice.
    connection.execute(QStringLiteral("DELETE FROM [%1] WHERE [%2] IN (%3) AND [MovieId] IN "
                                      "(SELECT [MovieId] FROM [%1] WHERE [%2] = ?)")
                           .arg(links, column, others),
                       {keptId});
    connection.execute(QStringLiteral("DELETE FROM [%1] WHERE [%2] IN (%3) AND rowid NOT IN "
                                      "(SELECT MIN(rowid) FROM [%1] WHERE [%2] IN (%3) "
                                      "GROUP BY [MovieId])")
                           .arg(links, column, others));
    connection.execute(
        QStringLiteral("UPDATE [%1] SET [%2] = ? WHERE [%2] IN (%3)").arg(links, column, others),
        {keptId});
    return movies;
}

}  // namespace

QHash<int, int> MoviesUsingEntries(Connection& connection, LookupTable table) {
    const QString column = IdColumnName(table);
    QHash<int, int> counts;
    const QString links = linkTable(table);
    if (links.isEmpty()) {
        connection.scan(
            QStringLiteral("SELECT [%1], COUNT(*) FROM [Movie] GROUP BY [%1]").arg(column), {},
            [&](const ScannedRow& row) { counts.insert(row.integer(0), row.integer(1)); });
        return counts;
    }
    // The links in the order of their index, so that a repeated link follows its first and a
    // movie is counted once per entry without sorting them all again.
    int lastMovie = 0;
    int lastEntry = 0;
    connection.scan(QStringLiteral("SELECT l.[MovieId], l.[%1] FROM [%2] l "
                                   "INNER JOIN [Movie] m ON m.[MovieId] = l.[MovieId] "
                                   "ORDER BY l.[MovieId], l.[%1]")
                        .arg(column, links),
                    {}, [&](const ScannedRow& row) {
                        const int movie = row.integer(0);
                        const int entry = row.integer(1);
                        if (movie == lastMovie && entry == lastEntry)
                            return;
                        lastMovie = movie;
                        lastEntry = entry;
                        ++counts[entry];
                    });
    return counts;
}

int MergeListEntries(Connection& connection, LookupTable table, int keptId,
                     const QList<int>& otherIds) {
    if (otherIds.isEmpty())
        throw Error(QCoreApplication::translate(
            "db::ListEntryUse", "Select the entries to merge into the one that stays."));
    if (otherIds.contains(keptId))
        throw Error(QCoreApplication::translate("db::ListEntryUse",
                                                "An entry cannot be merged into itself."));
    const QString column = IdColumnName(table);
    const QString others = idList(otherIds);
    Transaction transaction(connection);
    if (connection
            .scalar(QStringLiteral("SELECT COUNT(*) FROM [%1] WHERE [%2] = ?")
                        .arg(TableName(table), column),
                    {keptId})
            .toInt() == 0)
        throw Error(
            QCoreApplication::translate("db::ListEntryUse", "The entry to keep no longer exists."));
    int movies = 0;
    if (const QString links = linkTable(table); !links.isEmpty()) {
        movies = mergeLinks(connection, links, column, keptId, others);
        if (table == LookupTable::Genre)  // the column older catalogues kept a genre in
            connection.execute(
                QStringLiteral("UPDATE [Movie] SET [GenreId] = ? WHERE [GenreId] IN (%1)")
                    .arg(others),
                {keptId});
    } else {
        movies = connection
                     .scalar(QStringLiteral("SELECT COUNT(*) FROM [Movie] WHERE [%1] IN (%2)")
                                 .arg(column, others))
                     .toInt();
        connection.execute(
            QStringLiteral("UPDATE [Movie] SET [%1] = ? WHERE [%1] IN (%2)").arg(column, others),
            {keptId});
    }
    connection.execute(QStringLiteral("DELETE FROM [%1] WHERE [%2] IN (%3)")
                           .arg(TableName(table), column, others));
    return movies;
}

}  // namespace db
