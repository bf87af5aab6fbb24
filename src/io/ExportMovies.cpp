#include "io/ExportMovies.h"

#include "db/Connection.h"
#include "db/Genres.h"
#include "db/Movies.h"
#include "db/StoredDate.h"
#include "db/TextRoutines.h"
#include "io/MovieFileError.h"
#include "io/MovieFileFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

namespace io {

namespace {

// Only movies whose three names resolve are written; ties in title keep the order of entry.
const QString MoviesQuery = QStringLiteral(
    "SELECT m.[MovieId], m.[Title], m.[Stars], m.[Minutes], m.[ReleaseYear], m.[Director], "
    "m.[Producer], m.[LabelNumber], m.[AcquireDate], m.[Cost], m.[LentTo], m.[LentDate], "
    "m.[Notes], l.[Name] AS [LocationName], r.[Name] AS [RatingName], "
    "mm.[Name] AS [MediaName] "
    "FROM (([Movie] AS m INNER JOIN [Location] AS l ON l.[LocationId] = m.[LocationId]) "
    "INNER JOIN [Rating] AS r ON r.[RatingId] = m.[RatingId]) "
    "INNER JOIN [Media] AS mm ON mm.[MediaId] = m.[MediaId] "
    "ORDER BY m.[Title], m.[MovieId]");

// Every cast in one query, in the order the actors were linked.
const QString CastsQuery = QStringLiteral(
    "SELECT ma.[MovieId], a.[Name] FROM [MovieActor] AS ma "
    "INNER JOIN [Actor] AS a ON a.[ActorId] = ma.[ActorId] ORDER BY ma.rowid");

enum Column {
    MovieId,
    Title,
    Stars,
    Minutes,
    ReleaseYear,
    Director,
    Producer,
    LabelNumber,
    AcquireDate,
    Cost,
    LentTo,
    LentDate,
    Notes,
    LocationName,
    RatingName,
    MediaName
};

constexpr qsizetype FlushSize = 1 << 20;

// A number column as the file writes it: a stored text counts by the number it begins with.
double numberOf(const QVariant& value) {
    if (value.isNull())
        return 0;
    if (value.typeId() == QMetaType::QString)
        return db::LeadingNumber(value.toString());
    return value.toDouble();
}

QHash<int, QString> allCasts(db::Connection& connection) {
    QHash<int, QString> casts;
    QSqlQuery query = connection.query(CastsQuery);
    while (query.next()) {
        QString& cast = casts[query.value(0).toInt()];
        if (!cast.isEmpty())
            cast += u'/';
        cast += query.value(1).toString();
    }
    return casts;
}

MovieFileEntry entryOf(const QSqlQuery& row, const QHash<int, QString>& genres,
                       const QHash<int, QString>& casts) {
    MovieFileEntry movie;
    const int id = row.value(MovieId).toInt();
    movie.movieId = numberOf(row.value(MovieId));
    movie.title = row.value(Title).toString();
    movie.stars = numberOf(row.value(Stars));
    movie.genres = genres.value(id, QString::fromLatin1(db::NoGenreText));
    movie.media = row.value(MediaName).toString();
    movie.minutes = numberOf(row.value(Minutes));
    movie.rating = row.value(RatingName).toString();
    movie.year = numberOf(row.value(ReleaseYear));
    movie.director = row.value(Director).toString();
    movie.producer = row.value(Producer).toString();
    movie.actors = casts.value(id);
    movie.location = row.value(LocationName).toString();
    movie.label = row.value(LabelNumber).toString();
    movie.acquireDate = db::DateFromStored(row.value(AcquireDate));
    movie.cost = db::Currency::fromDouble(numberOf(row.value(Cost)));
    movie.lentTo = row.value(LentTo).toString();
    movie.lentDate = db::DateFromStored(row.value(LentDate));
    movie.notes = row.value(Notes).toString();
    return movie;
}

bool permissionDenied(const QString& path, const QFileDevice& file) {
    if (file.error() == QFileDevice::PermissionsError)
        return true;
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    return (target.exists() && !target.isWritable()) || (folder.exists() && !folder.isWritable());
}

FileError writeError(const QString& path, const QFileDevice& file) {
    const QString kept = QFileInfo::exists(path)
                             ? QStringLiteral("'%1' has been left as it was.").arg(path)
                             : QStringLiteral("'%1' has not been created.").arg(path);
    if (permissionDenied(path, file))
        return FileError(QStringLiteral("Cannot write to file.  Make sure it is not opened by "
                                        "another application.\n\n%1")
                             .arg(kept));
    return FileError(QStringLiteral("The movies could not be written to '%1'.\n\n%2\n\n%3")
                         .arg(path, file.errorString(), kept));
}

class MovieFileWriter {
public:
    explicit MovieFileWriter(const QString& path) : path_(path), file_(path) {
        if (!file_.open(QIODevice::WriteOnly))
            throw writeError(path_, file_);
    }

    void writeLine(const QString& line) {
        buffer_ += line.toUtf8();
        buffer_ += LineEnd;
        if (buffer_.size() >= FlushSize)
            flush();
    }

    void commit() {
        flush();
        if (!file_.commit())
            throw writeError(path_, file_);
    }

private:
    void flush() {
        if (file_.write(buffer_) != buffer_.size())
            throw writeError(path_, file_);
        buffer_.clear();
    }

    QString path_;
    QSaveFile file_;
    QByteArray buffer_;
};

}  // namespace

ExportResult ExportMovies(db::Connection& connection, const QString& path,
                          const ExportProgress& progress) {
    ExportResult result;
    QSqlQuery movies = connection.query(MoviesQuery);
    if (movies.next()) {
        const QHash<int, QString> genres = db::GetAllGenreTexts(connection);
        const QHash<int, QString> casts = allCasts(connection);
        MovieFileWriter writer(path);
        writer.writeLine(MovieFileHeader());
        do {
            const MovieFileEntry movie = entryOf(movies, genres, casts);
            if (progress)
                progress(movie.title);
            writer.writeLine(MovieLineText(movie));
            ++result.exported;
            if (!FitsUnchanged(movie))
                ++result.altered;
        } while (movies.next());
        writer.commit();
        result.fileWritten = true;
    }
    result.leftOut = db::CountMovies(connection) - result.exported;
    return result;
}

}  // namespace io
