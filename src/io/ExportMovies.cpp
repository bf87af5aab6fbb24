#include "io/ExportMovies.h"

#include "io/PictureFolder.h"

#include "db/Connection.h"
#include "db/Genres.h"
#include "db/Movies.h"
#include "db/StoredDate.h"
#include "db/TextRoutines.h"
#include "io/Destination.h"
#include "io/MovieFileError.h"
#include "io/MovieFileFormat.h"
#include "io/MovieLinks.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <optional>
#include <vector>

namespace io {

namespace {

// Only movies whose three names resolve are written, in title order ignoring case; ties keep the
// order of entry. The case fold of a title another program wrote is made here.
const QString MoviesQuery = QStringLiteral(
    "SELECT m.[MovieId], m.[Title], m.[Stars], m.[Minutes], m.[ReleaseYear], m.[Director], "
    "m.[Producer], m.[LabelNumber], m.[AcquireDate], m.[Cost], m.[LentTo], m.[LentDate], "
    "m.[Notes], l.[Name] AS [LocationName], r.[Name] AS [RatingName], "
    "mm.[Name] AS [MediaName] "
    "FROM (([Movie] AS m INNER JOIN [Location] AS l ON l.[LocationId] = m.[LocationId]) "
    "INNER JOIN [Rating] AS r ON r.[RatingId] = m.[RatingId]) "
    "INNER JOIN [Media] AS mm ON mm.[MediaId] = m.[MediaId] "
    "ORDER BY coalesce(m.[TitleKey], unicode_fold(m.[Title])), m.[MovieId]");

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

// The names of a movie's links joined by the separator; empty when it has none.
QString joinedNames(const MovieLinks& links, int movieId, QStringView separator) {
    QString text;
    links.forEachName(movieId, [&](int, const QString& name) {
        if (!text.isEmpty())
            text += separator;
        text += name;
    });
    return text;
}

// A number column reads as the number a stored text begins with, as the engine reads it.
MovieFileEntry entryOf(const db::ScannedRow& row, const MovieLinks& genres,
                       const MovieLinks& casts) {
    MovieFileEntry movie;
    const int id = row.integer(MovieId);
    movie.movieId = row.real(MovieId);
    movie.title = row.text(Title);
    movie.stars = row.real(Stars);
    movie.genres = joinedNames(genres, id, u" / ");
    if (movie.genres.isEmpty())
        movie.genres = QString::fromLatin1(db::NoGenreText);
    movie.media = row.text(MediaName);
    movie.minutes = row.real(Minutes);
    movie.rating = row.text(RatingName);
    movie.year = row.real(ReleaseYear);
    movie.director = row.text(Director);
    movie.producer = row.text(Producer);
    movie.actors = joinedNames(casts, id, u"/");
    movie.location = row.text(LocationName);
    movie.label = row.text(LabelNumber);
    movie.acquireDate = db::DayFromStored(row.text(AcquireDate));
    movie.cost = db::Currency::fromDouble(row.real(Cost));
    movie.lentTo = row.text(LentTo);
    movie.lentDate = db::DayFromStored(row.text(LentDate));
    movie.notes = row.text(Notes);
    return movie;
}

bool permissionDenied(const QString& path, const QFileDevice& file) {
    if (file.error() == QFileDevice::PermissionsError)
        return true;
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    return (target.exists() && !target.isWritable()) || (folder.exists() && !folder.isWritable());
}

FileError writeError(const QString& path, DestinationFile& destination) {
    const QFileDevice& file = destination.device();
    const QString kept =
        destination.isStream() ? QString()
        : QFileInfo::exists(path)
            ? QCoreApplication::translate("io::ExportMovies", "'%1' has been left as it was.")
                  .arg(path)
            : QCoreApplication::translate("io::ExportMovies", "'%1' has not been created.")
                  .arg(path);
    if (permissionDenied(path, file))
        return FileError(
            QCoreApplication::translate("io::ExportMovies",
                                        "Cannot write to file.  Make sure it is not opened by "
                                        "another application.\n\n%1")
                .arg(kept)
                .trimmed());
    return FileError(QCoreApplication::translate(
                         "io::ExportMovies", "The movies could not be written to '%1'.\n\n%2\n\n%3")
                         .arg(path, file.errorString(), kept)
                         .trimmed());
}

// Writes in large pieces of its own, straight to the file: a write the disk refuses (it is
// full) is seen at once, with the system's reason, rather than lost in a buffer that the
// final commit may not report.
class MovieFileWriter {
public:
    MovieFileWriter(const QString& path, const QString& cataloguePath)
        : path_(path), file_(path, cataloguePath) {
        buffer_.reserve(FlushSize + 64 * 1024);
        if (!file_.open(QIODevice::Unbuffered))
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

    // A stream (standard output, a pipe) has no folder beside it for the pictures.
    bool isStream() const { return file_.isStream(); }

private:
    void flush() {
        // A full disk first takes part of a piece; the write of the rest then gives the reason.
        for (qsizetype written = 0; written < buffer_.size();) {
            const qint64 step =
                file_.device().write(buffer_.constData() + written, buffer_.size() - written);
            if (step <= 0)
                throw writeError(path_, file_);
            written += step;
        }
        buffer_.resize(0);  // keeps the allocation for the next lines
    }

    QString path_;
    DestinationFile file_;
    QByteArray buffer_;
};

}  // namespace

ExportResult ExportMovies(db::Connection& connection, const QString& path,
                          const ExportProgress& progress, const ExportStop& stop) {
    ExportResult result;
    struct Stopped {};
    // The file is made only when there is a movie to write.
    std::optional<MovieFileWriter> writer;
    std::optional<MovieLinks> genres;
    std::optional<MovieLinks> casts;
    QSet<int> written;
    try {
        connection.scan(MoviesQuery, {}, [&](const db::ScannedRow& row) {
            if (stop && stop())
                throw Stopped();
            if (!writer) {
                genres.emplace(connection, MovieLinks::Kind::Genres);
                casts.emplace(connection, MovieLinks::Kind::Cast);
                writer.emplace(path, connection.path());
                writer->writeLine(MovieFileHeader());
            }
            const MovieFileEntry movie = entryOf(row, *genres, *casts);
            if (progress)
                progress(movie.title);
            bool unchanged = true;
            writer->writeLine(MovieLineText(movie, &unchanged));
            ++result.exported;
            written.insert(row.integer(MovieId));
            if (!unchanged)
                ++result.altered;
        });
    } catch (const Stopped&) {
        // The file under its temporary name goes with the writer; the old one stays.
        result.stopped = true;
        return result;
    }
    if (writer) {
        writer->commit();
        result.fileWritten = true;
        if (!writer->isStream())
            result.pictures = ExportPictureFolder(connection, path, written);
    }
    result.leftOut = db::CountMovies(connection) - result.exported;
    return result;
}

}  // namespace io
