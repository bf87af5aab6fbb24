#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// A failure the user must hear about: the catalogue could not be opened, read or written.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// A statement the database refused; carries the driver's words and the statement.
class DatabaseError : public Error {
public:
    DatabaseError(const QString& driverMessage, const QString& statement, bool damaged = false)
        : Error(driverMessage), statement_(statement), damaged_(damaged) {}
    const QString& statement() const { return statement_; }
    // The engine found the file damaged: no statement can mend that, only a backup or a rescue
    // of what can still be read.
    bool damaged() const { return damaged_; }

private:
    QString statement_;
    bool damaged_;
};

}  // namespace db
