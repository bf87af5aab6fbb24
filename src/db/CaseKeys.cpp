#include "db/CaseKeys.h"

#include "db/Connection.h"
#include "db/ProgressReporter.h"
#include "db/Transaction.h"
#include "db/UnicodeCase.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
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
constexpr char FoldIndexes[] =
    "SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = ?";
constexpr char LastRowid[] = "SELECT COALESCE(MAX(rowid), 0) FROM [{T}]";
constexpr char MissingKeysInRange[] =
    "SELECT rowid, [{C}] FROM [{T}] WHERE rowid > ? AND rowid <= ? AND [{K}] IS NULL AND "
    "[{C}] IS NOT NULL";
constexpr char SetKey[] = "UPDATE [{T}] SET [{K}] = ? WHERE rowid = ?";
// Folds written in rowid order would land in the fold index in no order, rewriting most of its
// pages in every batch; the index is built once at the end instead.
constexpr char DropFoldIndex[] = "DROP INDEX IF EXISTS [{T}_{K}]";
constexpr char CreateFoldIndex[] = "CREATE INDEX IF NOT EXISTS [{T}_{K}] ON [{T}] ([{K}])";

// Rows of a rowid range folded in one transaction: large enough that a commit costs little
// beside it, small enough that a stop is heard within a fraction of a second.
constexpr int BatchSize = 50000;

// A page cache that holds the rows of a batch and the index being built.
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

bool hasFoldIndex(Connection& connection, const KeyedText& keyed) {
    return connection.scalar(QString::fromLatin1(FoldIndexes), {withNames("{T}_{K}", keyed)})
               .toInt() > 0;
}

// Rows without a fold, or the fold index missing (the folding before was stopped or killed).
bool needsFolding(Connection& connection, const KeyedText& keyed) {
    return !hasFoldIndex(connection, keyed) ||
           connection
                   .scalar(QStringLiteral("SELECT EXISTS (%1)").arg(withNames(MissingKeys, keyed)))
                   .toInt() != 0;
}

void fillRange(Connection& connection, const KeyedText& keyed, qint64 after, qint64 last) {
    std::vector<std::pair<int, QString>> rows;
    connection.scan(withNames(MissingKeysInRange, keyed), {after, last},
                    [&](const ScannedRow& row) { rows.emplace_back(row.integer(0), row.text(1)); });
    if (rows.empty())
        return;
    const QString setKey = withNames(SetKey, keyed);
    Transaction transaction(connection);
    for (const auto& [rowid, text] : rows)
        connection.execute(setKey, {CaseFold(text), rowid});
    transaction.commit();
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
    for (const KeyedText& keyed : KeyedTexts)
        if (needsFolding(connection, keyed))
            return true;
    return false;
}

QString FillMissingCaseKeysStatus() {
    return QCoreApplication::translate("db::CaseKeys",
                                       "Preparing the catalogue for searching\u2026");
}

void FillMissingCaseKeys(Connection& connection, ProgressReporter* progress) {
    // Reads first: most openings find nothing to fill and so take no write lock.
    std::vector<std::pair<KeyedText, qint64>> toFold;
    int batches = 0;
    for (const KeyedText& keyed : KeyedTexts) {
        if (!needsFolding(connection, keyed))
            continue;
        const qint64 last = connection.scalar(withNames(LastRowid, keyed)).toLongLong();
        toFold.emplace_back(keyed, last);
        batches += int((last + BatchSize - 1) / BatchSize);
    }
    if (toFold.empty())
        return;
    connection.execute(QString::fromLatin1(LargeCache));
    connection.execute(QString::fromLatin1(CommitWithoutSync));
    if (progress)
        progress->ShowProgress(FillMissingCaseKeysStatus(), 1, batches);
    for (const auto& [keyed, last] : toFold) {
        connection.execute(withNames(DropFoldIndex, keyed));
        // Stopped, the index is built over what is folded so far: the rest is found by its text
        // until the next run.
        for (qint64 after = 0; after < last && !(progress && progress->stopRequested());
             after += BatchSize) {
            fillRange(connection, keyed, after, std::min(after + BatchSize, last));
            if (progress)
                progress->ProgressStep(FillMissingCaseKeysStatus());
        }
        connection.execute(withNames(CreateFoldIndex, keyed));
        if (progress && progress->stopRequested())
            break;
    }
    if (progress)
        progress->CloseProgress();
}

}  // namespace db
