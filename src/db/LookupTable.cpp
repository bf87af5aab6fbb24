#include "db/LookupTable.h"

#include "db/CaseKeys.h"
#include "db/Connection.h"
#include "db/UnicodeCase.h"

#include <array>

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
    return QStringLiteral(" ORDER BY [Name] COLLATE READING_ORDER, [%1]").arg(IdColumnName(table));
}

namespace {

// The two statements an import runs for every name it reads, written once per table.
struct NameStatements {
    QString find;
    QString add;
};

const NameStatements& nameStatements(LookupTable table) {
    static const auto statements = [] {
        std::array<NameStatements, 5> all;
        for (LookupTable each : {LookupTable::Actor, LookupTable::Genre, LookupTable::Location,
                                 LookupTable::Media, LookupTable::Rating})
            all[size_t(each)] = {
                QStringLiteral("SELECT MIN([%1]) FROM [%2] WHERE ")
                        .arg(IdColumnName(each), TableName(each)) +
                    NameMatch(),
                QStringLiteral("INSERT INTO [%1] ([Name], [NameKey]) VALUES (?, ?)")
                    .arg(TableName(each))};
        return all;
    }();
    return statements[size_t(table)];
}

}  // namespace

int FindLookupId(Connection& connection, LookupTable table, const QString& name) {
    return connection.scalar(nameStatements(table).find, {CaseFold(name), NotNull(name)}).toInt();
}

int AddLookupRow(Connection& connection, LookupTable table, const QString& name) {
    return static_cast<int>(
        connection.insert(nameStatements(table).add, {NotNull(name), CaseFold(name)}));
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
