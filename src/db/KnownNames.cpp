#include "db/KnownNames.h"

#include "db/Connection.h"
#include "db/Movies.h"
#include "db/UnicodeCase.h"

namespace db {

namespace {

// A row another program wrote has no fold yet: its text gives it.
QString foldOf(const ScannedRow& row, int keyColumn, int textColumn) {
    const QString key = row.text(keyColumn);
    return key.isNull() ? CaseFold(row.text(textColumn)) : key;
}

}  // namespace

KnownNames::KnownNames(Connection& connection) : connection_(connection) {}

KnownNames::Names& KnownNames::names(LookupTable table) {
    Names& names = tables_[size_t(table)];
    if (names.loaded)
        return names;
    // In id order, so that the first row of a name is the one kept; a row without a name is
    // found by none.
    const QString rows = QStringLiteral(
                             "SELECT [%1], [NameKey], [Name] FROM [%2] WHERE [Name] IS NOT NULL "
                             "ORDER BY [%1]")
                             .arg(IdColumnName(table), TableName(table));
    connection_.scan(rows, {}, [&](const ScannedRow& row) {
        const QString fold = foldOf(row, 1, 2);
        if (!names.ids.contains(fold))
            names.ids.insert(fold, row.integer(0));
    });
    names.loaded = true;
    return names;
}

int KnownNames::find(LookupTable table, const QString& name) {
    return names(table).ids.value(CaseFold(name));
}

int KnownNames::findOrAdd(LookupTable table, const QString& name) {
    Names& known = names(table);
    QString fold = CaseFold(name);
    if (const int id = known.ids.value(fold); id > 0)
        return id;
    const int id = AddLookupRow(connection_, table, name);
    known.ids.insert(std::move(fold), id);
    return id;
}

int KnownNames::findTitle(const QString& title) {
    if (!titlesLoaded_) {
        connection_.scan(
            QStringLiteral("SELECT [TitleKey], [Title] FROM [Movie] WHERE [Title] "
                           "IS NOT NULL"),
            {}, [&](const ScannedRow& row) { titleHashes_.insert(qHash(foldOf(row, 0, 1))); });
        titlesLoaded_ = true;
    }
    // A hash the file's titles do not have is a title it does not have; one they have is
    // looked up, as two titles may share a hash.
    if (!titleHashes_.contains(qHash(CaseFold(title))))
        return 0;
    return FindMovieByTitle(connection_, title);
}

void KnownNames::addTitle(const QString& title) {
    titleHashes_.insert(qHash(CaseFold(title)));
}

void KnownNames::forgetAdded() {
    // Read again when next needed. Titles may stay: a hash too many costs a lookup, no more.
    for (Names& names : tables_)
        names = Names();
}

}  // namespace db
