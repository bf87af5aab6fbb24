#include "db/LookupTable.h"

#include "db/Connection.h"

namespace db {

QString TableName(LookupTable table) {
    switch (table) {
        case LookupTable::Actor:
            return QStringLiteral("Actor");
        case LookupTable::Genre:
            return QStringLiteral("Genre");
        case LookupTable::Location:
            return QStringLiteral("Location");
        case LookupTable::Media:
            return QStringLiteral("Media");
        case LookupTable::Rating:
            return QStringLiteral("Rating");
    }
    Q_UNREACHABLE();
}

QString IdColumnName(LookupTable table) {
    return TableName(table) + QStringLiteral("Id");
}

int FindLookupId(Connection& connection, LookupTable table, const QString& name) {
    const QString sql =
        QStringLiteral("SELECT [%1] FROM [%2] WHERE [Name] = ? ORDER BY [%1] LIMIT 1")
            .arg(IdColumnName(table), TableName(table));
    return connection.scalar(sql, {name}).toInt();
}

int LookupOrAddId(Connection& connection, LookupTable table, const QString& name) {
    if (const int id = FindLookupId(connection, table, name); id > 0)
        return id;
    const QString sql =
        QStringLiteral("INSERT INTO [%1] ([Name]) VALUES (?)").arg(TableName(table));
    return static_cast<int>(connection.insert(sql, {name}));
}

QStringList LookupNames(Connection& connection, LookupTable table) {
    QStringList names;
    QSqlQuery query = connection.query(
        QStringLiteral("SELECT [Name] FROM [%1] ORDER BY [Name]").arg(TableName(table)));
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

}  // namespace db
