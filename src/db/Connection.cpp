#include "db/Connection.h"

#include "db/DatabaseError.h"
#include "db/EngineWords.h"
#include "db/ReadOnlyOpening.h"
#include "db/ReadingOrder.h"
#include "db/UnicodeCase.h"

#include <sqlite3.h>
#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlDriver>
#include <QSqlError>

namespace db {

namespace {

const QString ReadOnlyOptions = QStringLiteral(";QSQLITE_OPEN_READONLY");

QString nextConnectionName() {
    static QAtomicInteger<int> counter;
    return QStringLiteral("catalogue-%1").arg(counter.fetchAndAddRelaxed(1));
}

// The engine's result codes for a file whose pages are damaged.
bool isDamage(int code) {
    return (code & 0xFF) == SQLITE_CORRUPT;
}

DatabaseError refusal(QString text, const QString& sql, int code) {
    const bool damaged = isDamage(code);
    if (const QString words = EngineFailureInWords(code); !words.isEmpty())
        text = words;
    if (damaged)
        text += QCoreApplication::translate(
            "db::Connection",
            "\n\nThe catalogue file is damaged. Put back a backup copy of it, or save what can "
            "still be read with the sqlite3 tool's .recover command.");
    return DatabaseError(text, sql, damaged);
}

[[noreturn]] void fail(const QSqlError& error, const QString& sql) {
    QString text = error.driverText();
    if (!error.databaseText().isEmpty() && error.databaseText() != text)
        text = text.isEmpty() ? error.databaseText()
                              : text + QStringLiteral(": ") + error.databaseText();
    throw refusal(text, sql, error.nativeErrorCode().toInt());
}

}  // namespace

std::unique_ptr<Connection> Connection::open(const QString& path, Access access) {
    const bool readOnly = access == Access::ReadOnly;
    const auto openUnchanging = [&] {
        return openAs(path, QString::fromUtf8(UnchangingUri(path)),
                      ReadOnlyOptions + QStringLiteral(";QSQLITE_OPEN_URI"));
    };
    if (readOnly && ReadAsUnchanging(path))
        return openUnchanging();
    std::unique_ptr<Connection> opened = openAs(path, path, readOnly ? ReadOnlyOptions : QString());
    // The engine could not make its shared-memory file after all.
    if (readOnly && opened->unreadable() && MayReadAsUnchanging(path)) {
        opened.reset();
        opened = openUnchanging();
    }
    return opened;
}

std::unique_ptr<Connection> Connection::openAs(const QString& path, const QString& engineName,
                                               const QString& options) {
    const QString name = nextConnectionName();
    sqlite3* handle = nullptr;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(engineName);
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000") + options);
        if (!database.open()) {
            const QSqlError error = database.lastError();
            database = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            fail(error, QStringLiteral("open ") + path);
        }
        handle = InstallUnicodeCase(database);
        InstallReadingOrder(static_cast<sqlite3*>(handle));
    }
    return std::unique_ptr<Connection>(new Connection(path, name, handle));
}

bool Connection::unreadable() {
    const int result =
        sqlite3_exec(static_cast<sqlite3*>(handle_), "SELECT count(*) FROM sqlite_schema", nullptr,
                     nullptr, nullptr);
    return (result & 0xFF) == SQLITE_CANTOPEN;
}

Connection::Connection(QString path, QString connectionName, void* handle)
    : path_(std::move(path)), connectionName_(std::move(connectionName)), handle_(handle) {}

Connection::~Connection() {
    for (auto& [sql, statement] : statements_)
        sqlite3_finalize(static_cast<sqlite3_stmt*>(statement));
    statements_.clear();
    {
        QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlQuery Connection::query(const QString& sql, Values values) {
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(query.lastError(), sql);
    int position = 0;
    for (const QVariant& value : values)
        query.bindValue(position++, value);
    if (!query.exec())
        fail(query.lastError(), sql);
    return query;
}

void* Connection::prepare(const QString& sql) {
    auto* connection = static_cast<sqlite3*>(handle_);
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &statement, nullptr) !=
        SQLITE_OK)
        throw refusal(QString::fromUtf8(sqlite3_errmsg(connection)), sql,
                      sqlite3_errcode(connection));
    return statement;
}

void* Connection::cached(const QString& sql) {
    auto found = statements_.find(sql);
    if (found != statements_.end())
        return found->second;
    return statements_.emplace(sql, prepare(sql)).first->second;
}

void Connection::bind(void* prepared, const QString& sql, Values values, QList<QByteArray>& texts) {
    auto* statement = static_cast<sqlite3_stmt*>(prepared);
    int position = 0;
    for (const QVariant& value : values) {
        ++position;
        int bound = SQLITE_OK;
        switch (value.typeId()) {
            case QMetaType::Int:
                bound = sqlite3_bind_int(statement, position,
                                         *static_cast<const int*>(value.constData()));
                break;
            case QMetaType::Bool:
            case QMetaType::LongLong:
                bound = sqlite3_bind_int64(statement, position, value.toLongLong());
                break;
            case QMetaType::Double:
                bound = sqlite3_bind_double(statement, position,
                                            *static_cast<const double*>(value.constData()));
                break;
            case QMetaType::QByteArray: {
                // Bytes are a blob, bound where they stand in the caller's value.
                const auto* bytes = static_cast<const QByteArray*>(value.constData());
                bound = sqlite3_bind_blob64(statement, position, bytes->constData(),
                                            sqlite3_uint64(bytes->size()), SQLITE_STATIC);
                break;
            }
            default:
                if (value.isNull()) {
                    bound = sqlite3_bind_null(statement, position);
                } else {
                    const QByteArray& utf8 = texts.emplace_back(value.toString().toUtf8());
                    // Bound where it stands. Given as ending at its terminator, which it has,
                    // the engine need not copy it to add one; a text holding NUL characters is
                    // given by its length, so that it is kept whole.
                    const bool holdsNul = utf8.contains('\0');
                    bound = sqlite3_bind_text(statement, position, utf8.constData(),
                                              holdsNul ? int(utf8.size()) : -1, SQLITE_STATIC);
                }
        }
        if (bound != SQLITE_OK) {
            auto* connection = static_cast<sqlite3*>(handle_);
            throw refusal(QString::fromUtf8(sqlite3_errmsg(connection)), sql,
                          sqlite3_errcode(connection));
        }
    }
}

// One run of a kept statement: bound, stepped, and reset however it ends.
class Connection::Run {
public:
    Run(Connection& connection, const QString& sql, Values values)
        : connection_(static_cast<sqlite3*>(connection.handle_)),
          statement_(static_cast<sqlite3_stmt*>(connection.cached(sql))),
          sql_(sql) {
        connection.bind(statement_, sql, values, texts_);
    }
    ~Run() {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // True for a row, false at the end.
    bool step() {
        const int stepped = sqlite3_step(statement_);
        if (stepped == SQLITE_ROW || stepped == SQLITE_DONE)
            return stepped == SQLITE_ROW;
        throw refusal(QString::fromUtf8(sqlite3_errmsg(connection_)), sql_,
                      sqlite3_extended_errcode(connection_));
    }
    QVariant firstColumn() const {
        switch (sqlite3_column_type(statement_, 0)) {
            case SQLITE_INTEGER:
                return qlonglong(sqlite3_column_int64(statement_, 0));
            case SQLITE_FLOAT:
                return sqlite3_column_double(statement_, 0);
            case SQLITE_NULL:
                return {};
            case SQLITE_BLOB:
                return QByteArray(static_cast<const char*>(sqlite3_column_blob(statement_, 0)),
                                  sqlite3_column_bytes(statement_, 0));
            default:
                return QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement_, 0)),
                    sqlite3_column_bytes(statement_, 0));
        }
    }
    sqlite3* connection() const { return connection_; }

private:
    sqlite3* connection_;
    sqlite3_stmt* statement_;
    const QString& sql_;
    QList<QByteArray> texts_;  // bound until the run ends
};

int Connection::execute(const QString& sql, Values values) {
    Run run(*this, sql, values);
    while (run.step()) {
    }
    return sqlite3_changes(run.connection());
}

QVariant Connection::scalar(const QString& sql, Values values) {
    Run run(*this, sql, values);
    return run.step() ? run.firstColumn() : QVariant();
}

qint64 Connection::insert(const QString& sql, Values values) {
    Run run(*this, sql, values);
    while (run.step()) {
    }
    return sqlite3_last_insert_rowid(run.connection());
}

int ScannedRow::integer(int column) const {
    return sqlite3_column_int(static_cast<sqlite3_stmt*>(statement_), column);
}

double ScannedRow::real(int column) const {
    return sqlite3_column_double(static_cast<sqlite3_stmt*>(statement_), column);
}

QByteArray ScannedRow::bytes(int column) const {
    auto* statement = static_cast<sqlite3_stmt*>(statement_);
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return data ? QByteArray(data, sqlite3_column_bytes(statement, column)) : QByteArray();
}

QString ScannedRow::text(int column) const {
    auto* statement = static_cast<sqlite3_stmt*>(statement_);
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return utf8 ? QString::fromUtf8(utf8, sqlite3_column_bytes(statement, column)) : QString();
}

QByteArrayView ScannedRow::utf8(int column) const {
    auto* statement = static_cast<sqlite3_stmt*>(statement_);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(statement, column)) : QByteArrayView();
}

void Connection::scan(const QString& sql, Values values,
                      const std::function<void(const ScannedRow&)>& each) {
    QList<QByteArray> texts;  // bound until the statement is finalized
    auto* statement = static_cast<sqlite3_stmt*>(prepare(sql));
    const auto finalize = qScopeGuard([statement] { sqlite3_finalize(statement); });
    bind(statement, sql, values, texts);
    const ScannedRow row(statement);
    int stepped = SQLITE_ROW;
    while ((stepped = sqlite3_step(statement)) == SQLITE_ROW)
        each(row);
    if (stepped != SQLITE_DONE) {
        auto* connection = static_cast<sqlite3*>(handle_);
        throw refusal(QString::fromUtf8(sqlite3_errmsg(connection)), sql,
                      sqlite3_extended_errcode(connection));
    }
}

void Connection::interrupt() {
    sqlite3_interrupt(static_cast<sqlite3*>(handle_));
}

bool Connection::hasTable(const QString& name) {
    return scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' "
                                 "AND name = ? COLLATE NOCASE"),
                  {name})
               .toInt() > 0;
}

}  // namespace db
