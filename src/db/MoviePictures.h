#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace db {

class Connection;

// A movie's cover as it is stored: the encoded picture (its long side at most 1,000 pixels)
// and a small copy for grids, both in one format, "jpg" or "png".
struct PictureData {
    QByteArray picture;
    QByteArray thumbnail;
    int width = 0;
    int height = 0;
    QString format;

    bool isEmpty() const { return picture.isEmpty(); }
};

// False until the upgrade step that adds the pictures table has run on this catalogue.
bool HasPictureTable(Connection& connection);

// Gives the movie this picture, replacing any it had: a movie has at most one. A movie that is
// no longer there is MovieGone; a catalogue not yet upgraded is an Error. Nothing is written then.
void SetMoviePicture(Connection& connection, int movieId, const PictureData& picture);
void RemoveMoviePicture(Connection& connection, int movieId);
// The stored picture, or an empty one when the movie has none.
PictureData ReadMoviePicture(Connection& connection, int movieId);
// The small copy alone, empty when the movie has none: the grid reads thousands of these.
QByteArray ReadMovieThumbnail(Connection& connection, int movieId);
// The ids of the movies that have a picture, in id order.
QList<int> MoviesWithPictures(Connection& connection);

// Every movie's label number and title, by id: what picture files are matched against by name.
struct MovieNames {
    int movieId = 0;
    QString labelNumber;
    QString title;
};
QList<MovieNames> ReadMovieNames(Connection& connection);

// Pictures whose movie is gone: counted, and removed (returns how many).
int CountOrphanPictures(Connection& connection);
int RemoveOrphanPictures(Connection& connection);

}  // namespace db
