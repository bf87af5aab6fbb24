#include "io/PictureFolder.h"

#include "db/MoviePictures.h"
#include "db/Movies.h"
#include "io/CoverPicture.h"
#include "io/ImportMovies.h"
#include "io/MovieFileError.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <map>

namespace io {

namespace {

const QStringList PictureSuffixes = {QStringLiteral("jpg"), QStringLiteral("png")};

void writePictureFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(QCoreApplication::translate("io::PictureFolder",
                                                    "The picture '%1' could not be written: %2.")
                            .arg(path, file.errorString()));
}

void makeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        throw FileError(
            QCoreApplication::translate("io::PictureFolder", "The folder '%1' could not be made.")
                .arg(path));
}

// A file an export names after a movie number: "12.jpg".
bool isNumberedPicture(const QString& name) {
    static const QRegularExpression numbered(QStringLiteral("^[0-9]+\\.(jpg|png)$"));
    return numbered.match(name).hasMatch();
}

void store(db::Connection& connection, const QString& path, int movieId, const QString& title,
           PictureImportResult& result) {
    const QString name = QFileInfo(path).fileName();
    const PreparedPicture prepared = PrepareCoverPicture(path);
    if (!prepared.ok()) {
        result.refused.append(QStringLiteral("%1: %2").arg(name, prepared.error));
        return;
    }
    try {
        db::SetMoviePicture(connection, movieId, prepared.data);
    } catch (const db::MovieGone& gone) {
        result.refused.append(QStringLiteral("%1: %2").arg(name, gone.message()));
        return;
    }
    ++result.stored;
    result.matched.append(QStringLiteral("%1: %2").arg(name, title));
}

// The MovieIds of the file's lines, with their titles, for the ids asked for.
QHash<int, QString> titlesOfLines(const QString& movieFile, const std::map<int, QString>& ids) {
    QHash<int, QString> titles;
    MovieFileLines lines(movieFile);
    if (!ReadMovieFileHeader(lines))
        return titles;
    while (!lines.atEnd()) {
        const QString line = lines.next();
        if (lines.lastLineTooLong() || NotAMovieLine(line))
            continue;
        const QStringList fields = ReadMovieFields(line);
        bool ok = false;
        const int id = int(fields[0].trimmed().toDouble(&ok));
        if (ok && ids.count(id) > 0 && !titles.contains(id))
            titles.insert(id, fields[1]);
    }
    return titles;
}

// Names by their folded file stem; a stem that two movies share names none of them (-1).
QHash<QString, int> byStem(const QList<db::MovieNames>& movies, QString db::MovieNames::*name) {
    QHash<QString, int> stems;
    for (const db::MovieNames& movie : movies) {
        const QString stem = PictureFileStem(movie.*name).toCaseFolded();
        if (stem.isEmpty())
            continue;
        auto found = stems.find(stem);
        if (found == stems.end())
            stems.insert(stem, movie.movieId);
        else
            *found = -1;
    }
    return stems;
}

void requirePictureTable(db::Connection& connection) {
    if (!db::HasPictureTable(connection))
        throw db::Error(QCoreApplication::translate(
            "io::PictureFolder",
            "This catalogue has no place for pictures yet.  Open it once more to bring it up to "
            "date, then try again."));
}

}  // namespace

QString PictureFolderOf(const QString& movieFile) {
    return movieFile + QStringLiteral(".pictures");
}

QString PictureFileStem(const QString& name) {
    QString stem = name.trimmed();
    for (QChar& c : stem) {
        if (c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' ||
            c == u'<' || c == u'>' || c == u'|' || c.unicode() < 0x20)
            c = u'_';
    }
    return stem;
}

int ExportPictureFolder(db::Connection& connection, const QString& movieFile,
                        const QSet<int>& movieIds) {
    return int(WriteNumberedPictures(connection, PictureFolderOf(movieFile), &movieIds).size());
}

QHash<int, QString> WriteNumberedPictures(db::Connection& connection, const QString& path,
                                          const QSet<int>* movieIds) {
    QHash<int, QString> written;
    QSet<QString> names;
    for (int movieId : db::MoviesWithPictures(connection)) {
        if (movieIds && !movieIds->contains(movieId))
            continue;
        if (written.isEmpty())
            makeFolder(path);
        const db::PictureData picture = db::ReadMoviePicture(connection, movieId);
        const QString name = QStringLiteral("%1.%2").arg(movieId).arg(picture.format);
        writePictureFile(QDir(path).filePath(name), picture.picture);
        written.insert(movieId, name);
        names.insert(name);
    }
    QDir folder(path);
    if (folder.exists()) {
        for (const QString& name : folder.entryList(QDir::Files)) {
            if (isNumberedPicture(name) && !names.contains(name))
                folder.remove(name);
        }
        if (written.isEmpty())
            QDir().rmdir(path);  // only when nothing else is in it
    }
    return written;
}

PictureImportResult ImportPictureFolder(db::Connection& connection, const QString& movieFile,
                                        const std::function<bool()>& stop) {
    PictureImportResult result;
    const QDir folder(PictureFolderOf(movieFile));
    if (!folder.exists())
        return result;
    requirePictureTable(connection);
    std::map<int, QString> files;  // by the MovieId of their name, in its order
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        bool ok = false;
        const int id = QFileInfo(name).completeBaseName().toInt(&ok);
        if (ok && id > 0 && PictureSuffixes.contains(QFileInfo(name).suffix().toLower()))
            files.emplace(id, name);
        else
            result.unmatched.append(name);
    }
    if (files.empty())
        return result;
    const QHash<int, QString> titles = titlesOfLines(movieFile, files);
    for (const auto& [id, name] : files) {
        if (stop && stop())
            break;
        const QString title = titles.value(id);
        const int movieId = title.isNull() ? 0 : db::FindMovieByTitle(connection, title);
        if (movieId == 0)
            result.unmatched.append(name);
        else
            store(connection, folder.filePath(name), movieId, title, result);
    }
    return result;
}

PictureImportResult ImportPicturesByName(db::Connection& connection, const QString& path,
                                         const std::function<void(const QString&)>& progress) {
    const QDir folder(path);
    if (!folder.exists())
        throw FileError(
            QCoreApplication::translate("io::PictureFolder", "The folder '%1' does not exist.")
                .arg(path));
    requirePictureTable(connection);
    const QList<db::MovieNames> movies = db::ReadMovieNames(connection);
    const QHash<QString, int> byLabel = byStem(movies, &db::MovieNames::labelNumber);
    const QHash<QString, int> byTitle = byStem(movies, &db::MovieNames::title);
    QHash<int, QString> titles;
    for (const db::MovieNames& movie : movies)
        titles.insert(movie.movieId, movie.title);
    PictureImportResult result;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        if (progress)
            progress(name);
        const QString stem = QFileInfo(name).completeBaseName().toCaseFolded();
        int movieId = byLabel.value(stem);
        if (movieId <= 0)
            movieId = byTitle.value(stem);
        if (movieId <= 0)
            result.unmatched.append(name);
        else
            store(connection, folder.filePath(name), movieId, titles.value(movieId), result);
    }
    return result;
}

QStringList ExportPicturesByName(db::Connection& connection, const QString& path,
                                 QStringList* notWritten) {
    const QList<db::MovieNames> movies = db::ReadMovieNames(connection);
    const QHash<QString, int> byLabel = byStem(movies, &db::MovieNames::labelNumber);
    const QHash<QString, int> byTitle = byStem(movies, &db::MovieNames::title);
    QHash<int, const db::MovieNames*> names;
    for (const db::MovieNames& movie : movies)
        names.insert(movie.movieId, &movie);
    // A name is given only where the import would bring the picture back to the same movie.
    auto importedTo = [&](const QString& stem) {
        const QString key = stem.toCaseFolded();
        const int byLabelNumber = byLabel.value(key);
        return byLabelNumber > 0 ? byLabelNumber : byTitle.value(key);
    };
    QStringList written;
    QSet<QString> taken;
    for (int movieId : db::MoviesWithPictures(connection)) {
        const db::MovieNames* movie = names.value(movieId);
        if (!movie)
            continue;
        QString stem;
        for (const QString& name : {movie->labelNumber, movie->title}) {
            const QString candidate = PictureFileStem(name);
            if (!candidate.isEmpty() && importedTo(candidate) == movieId &&
                !taken.contains(candidate.toCaseFolded())) {
                stem = candidate;
                break;
            }
        }
        if (stem.isEmpty()) {
            if (notWritten)
                notWritten->append(movie->title);
            continue;
        }
        if (written.isEmpty())
            makeFolder(path);
        const db::PictureData picture = db::ReadMoviePicture(connection, movieId);
        const QString name = stem + u'.' + picture.format;
        writePictureFile(QDir(path).filePath(name), picture.picture);
        taken.insert(stem.toCaseFolded());
        written.append(name);
    }
    return written;
}

}  // namespace io
