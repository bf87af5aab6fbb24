#pragma once

namespace db {

class Connection;

// Writes that belong together: committed when the scope ends normally, rolled back when an
// exception leaves it. Nested guards become savepoints, so an inner failure undoes only its part.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction() noexcept(false);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // End it now rather than with the scope. A commit that fails rolls back and throws.
    void commit();
    void rollBack() noexcept;

private:
    Connection& connection_;
    int depth_;
    int uncaughtAtStart_;
    bool ended_ = false;
};

}  // namespace db
