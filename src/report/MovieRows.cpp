#include "report/MovieRows.h"

namespace report {

namespace {

const QString MovieQuery = QStringLiteral(
    "SELECT m.[MovieId], m.[RatingId], m.[MediaId], m.[Title], m.[LabelNumber], m.[Director], "
    "m.[Producer], l.[Name] AS [LocationName], r.[Name] AS [RatingName], "
    "mm.[Name] AS [MediaName], m.[LentTo], m.[Notes], m.[Stars], m.[Minutes], m.[ReleaseYear], "
    "m.[Cost], m.[AcquireDate], m.[LentDate] "
    "FROM (([Movie] AS m INNER JOIN [Location] AS l ON l.[LocationId] = m.[LocationId]) "
    "INNER JOIN [Rating] AS r ON r.[RatingId] = m.[RatingId]) "
    "INNER JOIN [Media] AS mm ON mm.[MediaId] = m.[MediaId]");

}  // namespace

MovieRows::MovieRows(db::Connection& connection, const QString& ending, db::Values values)
    : query_(connection.query(MovieQuery + ending, values)) {}

bool MovieRows::next() {
    if (atEnd_ || !query_.next()) {
        atEnd_ = true;
        return false;
    }
    int column = 0;
    auto value = [this, &column] { return query_.value(column++); };
    row_.movieId = value().toInt();
    row_.ratingId = value().toInt();
    row_.mediaId = value().toInt();
    for (QString* text :
         {&row_.title, &row_.labelNumber, &row_.director, &row_.producer, &row_.locationName,
          &row_.ratingName, &row_.mediaName, &row_.lentTo, &row_.notes})
        *text = value().toString();
    row_.stars = value().toDouble();
    row_.minutes = value().toInt();
    row_.releaseYear = value().toInt();
    row_.cost = value().toDouble();
    row_.acquireDate = value();
    row_.lentDate = value();
    return true;
}

}  // namespace report
