#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

namespace db {
class Connection;
}

namespace io {

// What a picture import matched, stored and refused, in lines for the user.
struct PictureImportResult {
    int stored = 0;
    QStringList matched;    // "file: title"
    QStringList unmatched;  // files that name no movie
    QStringList refused;    // "file: why", pictures that could not be stored
};

// The folder beside a movie file that holds its movies' pictures: "<movie file>.pictures".
QString PictureFolderOf(const QString& movieFile);

// Writes "<MovieId>.jpg" (or ".png") into the movie file's picture folder for each of the movies
// given that has a picture, and removes the files an earlier export left there for others. No
// picture, no folder. Returns how many were written; throws FileError when one cannot be.
int ExportPictureFolder(db::Connection& connection, const QString& movieFile,
                        const QSet<int>& movieIds);
// The same into the folder given, for every movie with a picture or only those of movieIds;
// returns the file name written for each movie, by its id.
QHash<int, QString> WriteNumberedPictures(db::Connection& connection, const QString& folder,
                                          const QSet<int>* movieIds = nullptr);

// Reads the movie file's picture folder, when it is there: "<MovieId>.jpg" goes to the movie that
// the file's line of that MovieId was imported into, found by the line's title. Asked before
// each file whether to stop.
PictureImportResult ImportPictureFolder(db::Connection& connection, const QString& movieFile,
                                        const std::function<bool()>& stop = {});

// The command line's folders of pictures named after a movie's label number or title
// ("<label>.jpg", "<title>.jpg"), letter case ignored; the label is tried first.
PictureImportResult ImportPicturesByName(db::Connection& connection, const QString& folder,
                                         const std::function<void(const QString&)>& progress = {});
// Writes each picture under the movie's label number, or its title where the label is empty or
// shared; returns the files written, and in notWritten the movies whose name another takes.
QStringList ExportPicturesByName(db::Connection& connection, const QString& folder,
                                 QStringList* notWritten = nullptr);

// A title or label as a file name: the characters no file name may hold become "_".
QString PictureFileStem(const QString& name);

}  // namespace io
