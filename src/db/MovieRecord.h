#pragma once

#include "db/Currency.h"

#include <QDateTime>
#include <QString>

namespace db {

// The sixteen fields of a movie as InsertMovie and UpdateMovie take them, in their order.
struct MovieRecord {
    QString genreIds;  // genre id text: ids joined by "/", for example "3/7/12"
    int locationId = 0;
    int mediaId = 0;
    int ratingId = 0;
    QString title;
    QString labelNumber;
    QString director;
    QString producer;
    int releaseYear = 0;
    int minutes = 0;
    double stars = 0;
    QDateTime acquireDate;  // invalid: no date
    Currency cost;
    QString lentTo;
    QDateTime lentDate;  // invalid: not lent
    QString notes;
};

}  // namespace db
