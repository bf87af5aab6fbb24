#include "db/CaseKeys.h"

#include "db/Connection.h"
#include "db/ProgressReporter.h"
#include "db/Transaction.h"
#include "db/UnicodeCase.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

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

constexpr char MissingKeys[] = "SELECT 1 FROM [{T}] WHERE [{K}] IS NULL AND [{C}] IS NOT NULL";
constexpr char CountMissingKeys[] =
    "SELECT COUNT(*) FROM [{T}] WHERE [{K}] IS NULL AND [{C}] IS NOT NULL";
// The fold index holds the rows without a fold first, in rowid order.
constexpr char NextMissingKeys[] =
    "SELECT rowid, [{C}] FROM [{T}] WHERE [{K}] IS NULL AND [{C}] IS NOT NULL AND rowid > ? "
    "ORDER BY rowid LIMIT ?";
constexpr char SetKey[] = "UPDATE [{T}] SET [{K}] = ? WHERE rowid = ?";

// Large enough that a commit costs little beside it, small enough that a stop is heard within
// a fraction of a second.
constexpr int BatchSize = 20000;

// The fold index is updated in no order; a page cache that holds it spares rereading its pages.
constexpr char LargeCache[] = "PRAGMA cache_size = -65536";
// In WAL mode a commit then waits for no disk write: a crash of the program loses nothing
// committed, and the file stays sound even when the machine loses power.
constexpr char CommitWithoutSync[] = "PRAGMA synchronous = NORMAL";

void addKeyColumns(Connection& connection, bool fill) {
    for (const KeyedText& keyed : KeyedTexts) {
        connection.execute(withNames("ALTER TABLE [{T}] ADD COLUMN [{K}] TEXT", keyed));
        connection.execute(withNames("CREATE INDEX [{T}_{K}] ON [{T}] ([{K}])", keyed));
        connection.execute(withNames(StaleTrigger, keyed));
        connection.execute(withNames("REINDEX [{T}_{C}]", keyed));
        if (fill)
            connection.execute(withNames(FillKeys, keyed));
    }
}

// Folds up to BatchSize rows after the rowid; the last rowid folded, or nothing when none was
// left.
std::optional<qint64> fillBatch(Connection& connection, const KeyedText& keyed, qint64 after) {
    std::vector<std::pair<qint64, QString>> rows;
    rows.reserve(BatchSize);
    connection.scan(withNames(NextMissingKeys, keyed), {after, BatchSize},
                    [&](const ScannedRow& row) { rows.emplace_back(row.integer(0), row.text(1)); });
    if (rows.empty())
        return std::nullopt;
    const QString setKey = withNames(SetKey, keyed);
    Transaction transaction(connection);
    for (const auto& [rowid, text] : rows)
        connection.execute(setKey, {CaseFold(text), rowid});
    transaction.commit();
    return rows.back().first;
}

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
    addKeyColumns(connection, true);
}

void AddEmptyCaseKeys(Connection& connection) {
    addKeyColumns(connection, false);
}

bool HasMissingCaseKeys(Connection& connection) {
    QStringList missing;
    for (const KeyedText& keyed : KeyedTexts)
        missing.append(withNames(MissingKeys, keyed));
    return connection.scalar(QStringLiteral("SELECT EXISTS (%1)").arg(missing.join(" UNION ALL ")))
               .toInt() != 0;
}

QString FillMissingCaseKeysStatus() {
    return QStringLiteral("Preparing the catalogue for searching\u2026");
}

void FillMissingCaseKeys(Connection& connection, ProgressReporter* progress) {
    // A read first: most openings find nothing to fill and so take no write lock.
    if (!HasMissingCaseKeys(connection))
        return;
    connection.execute(QString::fromLatin1(LargeCache));
    connection.execute(QString::fromLatin1(CommitWithoutSync));
    int batches = 0;
    for (const KeyedText& keyed : KeyedTexts)
        batches += (connection.scalar(withNames(CountMissingKeys, keyed)).toInt() + BatchSize - 1) /
                   BatchSize;
    if (progress)
        progress->ShowProgress(FillMissingCaseKeysStatus(), 1, batches);
    for (const KeyedText& keyed : KeyedTexts) {
        qint64 after = 0;
        while (!(progress && progress->stopRequested())) {
            const std::optional<qint64> last = fillBatch(connection, keyed, after);
            if (!last)
                break;
            after = *last;
            if (progress)
                progress->ProgressStep(FillMissingCaseKeysStatus());
        }
    }
    if (progress)
        progress->CloseProgress();
}

}  // namespace db
