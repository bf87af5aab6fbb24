#pragma once

#include "db/Connection.h"
#include "db/Currency.h"
#include "db/Genres.h"
#include "db/StoredDate.h"
#include "db/TextRoutines.h"

#include <map>

namespace test {

// Everything the movie file carries of every movie, by title: title, media, rating, location,
// label, director, producer, lent to, notes, stars, minutes, year, acquired, lent, cost, genres
// and cast. Double quotes are the one thing the file cannot carry, so they are left out here too.
inline std::map<QString, QStringList> StoredMovies(db::Connection& connection) {
    QHash<int, QStringList> casts;
    QSqlQuery cast = connection.query(
        "SELECT ma.[MovieId], a.[Name] FROM [MovieActor] AS ma JOIN [Actor] AS a "
        "ON a.[ActorId] = ma.[ActorId] ORDER BY ma.rowid");
    while (cast.next())
        casts[cast.value(0).toInt()].append(cast.value(1).toString());
    const QHash<int, QString> genres = db::GetAllGenreTexts(connection);

    std::map<QString, QStringList> movies;
    QSqlQuery row = connection.query(
        "SELECT m.[MovieId], m.[Title], d.[Name], r.[Name], l.[Name], m.[LabelNumber], "
        "m.[Director], m.[Producer], m.[LentTo], m.[Notes], m.[Stars], m.[Minutes], "
        "m.[ReleaseYear], m.[AcquireDate], m.[LentDate], m.[Cost] FROM [Movie] AS m "
        "JOIN [Media] AS d ON d.[MediaId] = m.[MediaId] "
        "JOIN [Rating] AS r ON r.[RatingId] = m.[RatingId] "
        "JOIN [Location] AS l ON l.[LocationId] = m.[LocationId]");
    while (row.next()) {
        QStringList fields;
        for (int column = 1; column <= 12; ++column)
            fields.append(db::StripQuotes(row.value(column).toString()));
        fields.append(db::SlashDateText(db::DateFromStored(row.value(13))));
        fields.append(db::SlashDateText(db::DateFromStored(row.value(14))));
        fields.append(db::Currency::fromDouble(row.value(15).toDouble()).toPlainText());
        const int id = row.value(0).toInt();
        fields.append(genres.value(id));
        fields.append(casts.value(id).join(u'/'));
        movies[fields.front()] = fields;
    }
    return movies;
}

}  // namespace test
