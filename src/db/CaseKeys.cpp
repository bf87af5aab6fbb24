#include "db/CaseKeys.h"

#include "db/Connection.h"
#include "db/Transaction.h"

#include <array>

namespace db {

namespace {

struct KeyedText {
    const char* table;
    const char* textColumn;
    const char* keyColumn;
};

constexpr std::array<KeyedText, 6> KeyedTexts = {{{"Movie", "Title", "TitleKey"},
                                                  {"Actor", "Name", "NameKey"},
                                                  {"Genre", "Name", "NameKey"},
                                                  {"Location", "Name", "NameKey"},
                                                  {"Media", "Name", "NameKey"},
                                                  {"Rating", "Name", "NameKey"}}};

// The statement for one keyed text: {T} its table, {C} the text column, {K} the fold column.
QString withNames(const char* sql, const KeyedText& keyed) {
    return QString::fromLatin1(sql)
        .replace(QLatin1String("{T}"), QLatin1String(keyed.table))
        .replace(QLatin1String("{C}"), QLatin1String(keyed.textColumn))
        .replace(QLatin1String("{K}"), QLatin1String(keyed.keyColumn));
}

// A change in the case of A-Z alone leaves the fold as it was; any other change of the text
// that does not write a fold with it leaves none, to be found by the text.
constexpr char StaleTrigger[] =
    "CREATE TRIGGER [{T}_{K}_Stale] AFTER UPDATE OF [{C}] ON [{T}] "
    "WHEN NEW.[{K}] IS OLD.[{K}] AND NEW.[{C}] IS NOT OLD.[{C}] COLLATE NOCASE "
    "BEGIN UPDATE [{T}] SET [{K}] = NULL WHERE rowid = NEW.rowid; END";

constexpr char FillKeys[] =
    "UPDATE [{T}] SET [{K}] = unicode_fold([{C}]) WHERE [{K}] IS NULL AND [{C}] IS NOT NULL";

}  // namespace

QString KeyMatch(const QString& keyColumn, const QString& textColumn) {
    return QStringLiteral("([%1] = ? OR [%1] IS NULL AND [%2] = ? COLLATE UNICODE_NOCASE)")
        .arg(keyColumn, textColumn);
}

bool HasCaseKeys(Connection& connection) {
    return connection
               .scalar(QStringLiteral(
                   "SELECT COUNT(*) FROM pragma_table_info('Movie') WHERE name = 'TitleKey'"))
               .toInt() > 0;
}

void AddCaseKeys(Connection& connection) {
    for (const KeyedText& keyed : KeyedTexts) {
        connection.execute(withNames("ALTER TABLE [{T}] ADD COLUMN [{K}] TEXT", keyed));
        connection.execute(withNames("CREATE INDEX [{T}_{K}] ON [{T}] ([{K}])", keyed));
        connection.execute(withNames(StaleTrigger, keyed));
        connection.execute(withNames("REINDEX [{T}_{C}]", keyed));
        connection.execute(withNames(FillKeys, keyed));
    }
}

void FillMissingCaseKeys(Connection& connection) {
    QStringList missing;
    for (const KeyedText& keyed : KeyedTexts)
        missing.append(
            withNames("SELECT 1 FROM [{T}] WHERE [{K}] IS NULL AND [{C}] IS NOT NULL", keyed));
    // A read first: most openings find nothing to fill and so take no write lock.
    if (connection.scalar(QStringLiteral("SELECT EXISTS (%1)").arg(missing.join(" UNION ALL ")))
            .toInt() == 0)
        return;
    Transaction transaction(connection);
    for (const KeyedText& keyed : KeyedTexts)
        connection.execute(withNames(FillKeys, keyed));
}

}  // namespace db
