#include "db/LookupTable.h"

#include "db/CaseKeys.h"
#include "db/Connection.h"
#include "db/UnicodeCase.h"

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

QString NameMatch() {
    return KeyMatch(QStringLiteral("NameKey"), QStringLiteral("Name"));
}

QString NameOrder(LookupTable table) {
    return QStringLiteral(" ORDER BY [Name] COLLATE UNICODE_NOCASE, [%1]").arg(IdColumnName(table));
}

int FindLookupId(Connection& connection, LookupTable table, const QString& name) {
    const QString sql = QStringLiteral("SELECT MIN([%1]) FROM [%2] WHERE ")
                            .arg(IdColumnName(table), TableName(table)) +
                        NameMatch();
    return connection.scalar(sql, {CaseFold(name), NotNull(name)}).toInt();
}

int AddLookupRow(Connection& connection, LookupTable table, const QString& name) {
    const QString sql =
        QStringLiteral("INSERT INTO [%1] ([Name], [NameKey]) VALUES (?, ?)").arg(TableName(table));
    return static_cast<int>(connection.insert(sql, {NotNull(name), CaseFold(name)}));
}

int LookupOrAddId(Connection& connection, LookupTable table, const QString& name) {
    if (const int id = FindLookupId(connection, table, name); id > 0)
        return id;
    return AddLookupRow(connection, table, name);
}

QStringList LookupNames(Connection& connection, LookupTable table) {
    QStringList names;
    QSqlQuery query = connection.query(
        QStringLiteral("SELECT [Name] FROM [%1]").arg(TableName(table)) + NameOrder(table));
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

}  // namespace db
