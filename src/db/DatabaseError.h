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
    DatabaseError(const QString& driverMessage, const QString& statement)
        : Error(driverMessage), statement_(statement) {}
    const QString& statement() const { return statement_; }

private:
    QString statement_;
};

}  // namespace db
