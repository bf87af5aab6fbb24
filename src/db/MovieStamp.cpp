#include "db/MovieStamp.h"

#include "db/Connection.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace db {

namespace {

const QString MovieRow = QStringLiteral("SELECT * FROM [Movie] WHERE [MovieId] = ?");
// The links in the order they were written: a cast given again in another order is a change.
const QString GenreLinks =
    QStringLiteral("SELECT [GenreId] FROM [MovieGenre] WHERE [MovieId] = ? ORDER BY rowid");
const QString CastLinks =
    QStringLiteral("SELECT [ActorId] FROM [MovieActor] WHERE [MovieId] = ? ORDER BY rowid");

// Each value with its type, so that a NULL and an empty text differ.
void append(QString& stamp, const QSqlQuery& query) {
    for (int column = 0; column < query.record().count(); ++column) {
        const QVariant value = query.value(column);
        stamp += QString::number(value.isNull() ? 0 : value.typeId()) + u':' + value.toString() +
                 u'\x1f';
    }
    stamp += u'\x1e';
}

}  // namespace

QString MovieStamp(Connection& connection, int movieId) {
    QString stamp;
    QSqlQuery row = connection.query(MovieRow, {movieId});
    if (!row.next())
        return stamp;
    append(stamp, row);
    row.finish();
    for (const QString& links : {GenreLinks, CastLinks}) {
        QSqlQuery query = connection.query(links, {movieId});
        while (query.next())
            append(stamp, query);
        stamp += u'\x1d';
    }
    return stamp;
}

}  // namespace db
