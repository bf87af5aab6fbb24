#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <unordered_map>

namespace db {

using Values = std::initializer_list<QVariant>;

// One open catalogue file (gConnection). Every statement of the program runs here, with its
// values bound; a refused statement throws DatabaseError.
class Connection {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Opens an existing file or, read-write, creates an empty one.
    static std::unique_ptr<Connection> open(const QString& path, Access access = Access::ReadWrite);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& path() const { return path_; }

    // A read: the caller walks the rows with next().
    QSqlQuery query(const QString& sql, Values values = {});
    // A statement whose result is not read back. Prepared once and kept for reuse.
    void execute(const QString& sql, Values values = {});
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, Values values = {});
    // An INSERT; returns the id of the row it wrote.
    qint64 insert(const QString& sql, Values values = {});

    bool hasTable(const QString& name);

    // Used by Transaction only.
    int& transactionDepth() { return transactionDepth_; }

private:
    Connection(QString path, QString connectionName);
    QSqlQuery& cached(const QString& sql);
    void bindAndRun(QSqlQuery& query, const QString& sql, Values values);

    QString path_;
    QString connectionName_;
    std::unordered_map<QString, QSqlQuery> statements_;
    int transactionDepth_ = 0;
};

}  // namespace db
