#include "db/Transaction.h"

#include "db/Connection.h"

#include <exception>

namespace db {

namespace {

QString savepointName(int depth) {
    return QStringLiteral("level%1").arg(depth);
}

}  // namespace

Transaction::Transaction(Connection& connection)
    : connection_(connection),
      depth_(connection.transactionDepth()),
      uncaughtAtStart_(std::uncaught_exceptions()) {
    if (depth_ == 0)
        connection_.execute(QStringLiteral("BEGIN IMMEDIATE"));
    else
        connection_.execute(QStringLiteral("SAVEPOINT ") + savepointName(depth_));
    ++connection_.transactionDepth();
}

Transaction::~Transaction() noexcept(false) {
    if (ended_)
        return;
    // Already unwinding: undo what this scope wrote and let the first error through.
    if (std::uncaught_exceptions() > uncaughtAtStart_)
        rollBack();
    else
        commit();
}

void Transaction::commit() {
    ended_ = true;
    --connection_.transactionDepth();
    if (depth_ > 0) {
        connection_.execute(QStringLiteral("RELEASE ") + savepointName(depth_));
        return;
    }
    try {
        connection_.execute(QStringLiteral("COMMIT"));
    } catch (...) {
        // A commit that fails must not leave the transaction open for the next writer.
        try {
            connection_.execute(QStringLiteral("ROLLBACK"));
        } catch (...) {
        }
        throw;
    }
}

void Transaction::rollBack() noexcept {
    ended_ = true;
    --connection_.transactionDepth();
    try {
        if (depth_ == 0) {
            connection_.execute(QStringLiteral("ROLLBACK"));
        } else {
            connection_.execute(QStringLiteral("ROLLBACK TO ") + savepointName(depth_));
            connection_.execute(QStringLiteral("RELEASE ") + savepointName(depth_));
        }
    } catch (...) {
    }
}

}  // namespace db
