#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>

namespace db {
class Connection;
}

namespace io {

// The positions of a movie's fields in the published array; the page reads them by these.
enum class PublishedField {
    MovieId,
    Title,
    Year,
    Minutes,
    Stars,
    Genres,  // indexes into "genres"
    Media,
    Rating,
    Location,
    Label,
    Director,
    Producer,
    Cast,  // indexes into "actors"
    Acquired,
    Cost,
    LentTo,
    LentDate,
    Notes,
    Cover  // the picture's file under pictures/, or empty
};

struct CatalogueJson {
    QByteArray json;
    int movies = 0;
};

// Every movie of the catalogue as one compact JSON object: {"name", "published", "genres",
// "actors", "movies": [[...], ...]}, the movies in title order, each an array in PublishedField
// order; genre and actor names are listed once and referred to by index. Every "<", ">" and "&"
// is written as a \u escape, so that the text can stand inside an HTML script element as it is.
// covers names each movie's picture file under pictures/, by its id.
CatalogueJson MakeCatalogueJson(db::Connection& connection, const QString& catalogueName,
                                const QDate& published, const QHash<int, QString>& covers = {});

// Appends text as a JSON string, quotes included, escaped as above.
void AppendJsonString(QByteArray& out, QStringView text);

}  // namespace io
