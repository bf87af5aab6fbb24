#pragma once

#include "db/Connection.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace report {

// A movie as the reports read it, with the names of its location, rating and media.
struct MovieRow {
    int movieId = 0;
    int ratingId = 0;
    int mediaId = 0;
    QString title;
    QString labelNumber;
    QString director;
    QString producer;
    QString locationName;
    QString ratingName;
    QString mediaName;
    QString lentTo;
    QString notes;
    double stars = 0;
    int minutes = 0;
    int releaseYear = 0;
    double cost = 0;
    QVariant acquireDate;  // as stored
    QVariant lentDate;
};

// The movies joined with their location, rating and media names, one row at a time. A movie
// whose location, rating or media row is missing is not among them.
class MovieRows {
public:
    // ending: the report's own WHERE and ORDER BY.
    MovieRows(db::Connection& connection, const QString& ending, db::Values values = {});

    // Moves to the next movie; false when there is none.
    bool next();
    const MovieRow& row() const { return row_; }
    bool atEnd() const { return atEnd_; }

private:
    QSqlQuery query_;
    MovieRow row_;
    bool atEnd_ = false;
};

}  // namespace report
