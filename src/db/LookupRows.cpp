#include "db/LookupRows.h"

#include "db/Connection.h"

namespace db {

std::vector<LookupRow> LookupRows(Connection& connection, LookupTable table) {
    std::vector<LookupRow> rows;
    QSqlQuery query =
        connection.query(QStringLiteral("SELECT [%1], [Name] FROM [%2] ORDER BY [Name], [%1]")
                             .arg(IdColumnName(table), TableName(table)));
    while (query.next())
        rows.push_back({query.value(0).toInt(), query.value(1).toString()});
    return rows;
}

}  // namespace db
