#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <memory>
#include <unordered_map>

namespace db {

// The values bound to a statement's "?" in order: a braced list, or a list built as it runs.
// A view: the values must outlive the call they are given to.
class Values {
public:
    Values() = default;
    Values(std::initializer_list<QVariant> values) : braced_(values) {}
    Values(const QVariantList& values) : built_(&values) {}
    const QVariant* begin() const { return built_ ? built_->constData() : braced_.begin(); }
    const QVariant* end() const {
        return built_ ? built_->constData() + built_->size() : braced_.end();
    }

private:
    std::initializer_list<QVariant> braced_;
    const QVariantList* built_ = nullptr;
};

// Texts are bound as text, never as NULL: "nothing typed" is empty, and an empty name can be
// found again by name.
inline QString NotNull(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

// One row of a scan: read by position, valid only inside the scan's callback.
class ScannedRow {
public:
    explicit ScannedRow(void* statement) : statement_(statement) {}
    int integer(int column) const;
    double real(int column) const;
    QString text(int column) const;
    QByteArray bytes(int column) const;
    // The text as the engine holds it, valid until the next row.
    QByteArrayView utf8(int column) const;

private:
    void* statement_;
};

// One open catalogue file (gConnection). Every statement of the program runs here, with its
// values bound; a refused statement throws DatabaseError.
class Connection {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Opens an existing file or, read-write, creates an empty one. Read-only needs nothing
    // written beside the file.
    static std::unique_ptr<Connection> open(const QString& path, Access access = Access::ReadWrite);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& path() const { return path_; }

    // A read: the caller walks the rows with next().
    QSqlQuery query(const QString& sql, Values values = {});
    // The next three run on the engine itself, each statement prepared once and kept: an
    // import runs several per line, a hundred thousand lines at a time.
    // A statement whose result is not read back; returns how many rows it changed.
    int execute(const QString& sql, Values values = {});
    // The first column of the first row, or an invalid QVariant when there is no row or a NULL.
    QVariant scalar(const QString& sql, Values values = {});
    // An INSERT; returns the id of the row it wrote.
    qint64 insert(const QString& sql, Values values = {});
    // Walks the rows of a read straight off the engine, for the few reads over every movie
    // where a hundred thousand rows must arrive quickly.
    void scan(const QString& sql, Values values,
              const std::function<void(const ScannedRow&)>& each);

    bool hasTable(const QString& name);

    // Makes the statement running now on this connection fail soon as interrupted; the one call
    // that may come from another thread, while the connection is open.
    void interrupt();

    // Used by Transaction only.
    int& transactionDepth() { return transactionDepth_; }

private:
    class Run;
    Connection(QString path, QString connectionName, void* handle);
    static std::unique_ptr<Connection> openAs(const QString& path, const QString& engineName,
                                              const QString& options);
    // Whether the engine cannot read the file at all (it could not make a file it needs).
    bool unreadable();
    void* prepare(const QString& sql);
    void* cached(const QString& sql);
    // Texts are bound as they stand in texts, which must outlive the run of the statement.
    void bind(void* statement, const QString& sql, Values values, QList<QByteArray>& texts);

    QString path_;
    QString connectionName_;
    void* handle_;                                   // the engine's own connection under the driver
    std::unordered_map<QString, void*> statements_;  // prepared, kept until closing
    int transactionDepth_ = 0;
};

}  // namespace db
