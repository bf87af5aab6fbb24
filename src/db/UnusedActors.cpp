#include "db/UnusedActors.h"

#include "db/Connection.h"
#include "db/Transaction.h"

namespace db {

namespace {

const QString CountUnused = QStringLiteral(
    "SELECT COUNT(*) FROM [Actor] WHERE [ActorId] NOT IN (SELECT [ActorId] FROM [MovieActor])");
const QString DeleteUnused = QStringLiteral(
    "DELETE FROM [Actor] WHERE [ActorId] NOT IN (SELECT [ActorId] FROM [MovieActor])");

}  // namespace

int DeleteUnusedActors(Connection& connection) {
    Transaction transaction(connection);
    const int count = connection.scalar(CountUnused).toInt();
    connection.execute(DeleteUnused);
    return count;
}

}  // namespace db
