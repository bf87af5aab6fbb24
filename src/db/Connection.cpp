#include "db/Connection.h"

#include "db/DatabaseError.h"
#include "db/UnicodeCase.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>

namespace db {

namespace {

QString nextConnectionName() {
    static QAtomicInteger<int> counter;
    return QStringLiteral("catalogue-%1").arg(counter.fetchAndAddRelaxed(1));
}

[[noreturn]] void fail(const QSqlError& error, const QString& sql) {
    QString text = error.driverText();
    if (!error.databaseText().isEmpty() && error.databaseText() != text)
        text = text.isEmpty() ? error.databaseText()
                              : text + QStringLiteral(": ") + error.databaseText();
    throw DatabaseError(text, sql);
}

}  // namespace

std::unique_ptr<Connection> Connection::open(const QString& path, Access access) {
    const QString name = nextConnectionName();
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
        if (access == Access::ReadOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        database.setConnectOptions(options);
        if (!database.open()) {
            const QSqlError error = database.lastError();
            database = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            fail(error, QStringLiteral("open ") + path);
        }
        InstallUnicodeCase(database);
    }
    return std::unique_ptr<Connection>(new Connection(path, name));
}

Connection::Connection(QString path, QString connectionName)
    : path_(std::move(path)), connectionName_(std::move(connectionName)) {}

Connection::~Connection() {
    statements_.clear();
    {
        QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

void Connection::bindAndRun(QSqlQuery& query, const QString& sql, Values values) {
    int position = 0;
    for (const QVariant& value : values)
        query.bindValue(position++, value);
    if (!query.exec())
        fail(query.lastError(), sql);
}

QSqlQuery Connection::query(const QString& sql, Values values) {
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(query.lastError(), sql);
    bindAndRun(query, sql, values);
    return query;
}

QSqlQuery& Connection::cached(const QString& sql) {
    auto found = statements_.find(sql);
    if (found != statements_.end())
        return found->second;
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(query.lastError(), sql);
    return statements_.emplace(sql, std::move(query)).first->second;
}

void Connection::execute(const QString& sql, Values values) {
    QSqlQuery& query = cached(sql);
    bindAndRun(query, sql, values);
    query.finish();
}

QVariant Connection::scalar(const QString& sql, Values values) {
    QSqlQuery& query = cached(sql);
    bindAndRun(query, sql, values);
    QVariant value = query.next() ? query.value(0) : QVariant();
    query.finish();
    return value;
}

qint64 Connection::insert(const QString& sql, Values values) {
    QSqlQuery& query = cached(sql);
    bindAndRun(query, sql, values);
    const qint64 id = query.lastInsertId().toLongLong();
    query.finish();
    return id;
}

bool Connection::hasTable(const QString& name) {
    return scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' "
                                 "AND name = ? COLLATE NOCASE"),
                  {name})
               .toInt() > 0;
}

}  // namespace db
