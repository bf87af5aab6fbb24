#include "io/ExportMovies.h"

#include "db/Connection.h"
#include "db/Genres.h"
#include "db/Movies.h"
#include "db/TextRoutines.h"
#include "io/MovieFileError.h"
#include "io/MovieFileFormat.h"

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

// Every cast in two queries: the links in the order they were made, and the actors' names. The
// names are joined here, which spares the database a lookup per link.
const QString CastLinksQuery =
    QStringLiteral("SELECT [MovieId], [ActorId] FROM [MovieActor] ORDER BY rowid");
const QString ActorNamesQuery = QStringLiteral("SELECT [ActorId], [Name] FROM [Actor]");

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

// The day of a stored date ("yyyy-MM-dd HH:mm:ss"), read as DateFromStored reads it but
// without its general parser, which would cost more than the rest of a movie's line.
QDate storedDay(const QVariant& value) {
    if (value.isNull())
        return {};
    const QString text = value.toString().trimmed();
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-')
        return {};
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8};
    const int lengths[3] = {4, 2, 2};
    for (int part = 0; part < 3; ++part) {
        for (int i = starts[part]; i < starts[part] + lengths[part]; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return {};
            parts[part] = parts[part] * 10 + (c - u'0');
        }
    }
    const QDate day(parts[0], parts[1], parts[2]);
    return day.isValid() && day.year() >= 1900 ? day : QDate();
}

// The actors text of every movie that has a cast; a link to an actor that no longer exists
// drops out, as it would through a join.
QHash<int, QString> allCasts(db::Connection& connection) {
    QHash<int, QString> names;
    QSqlQuery actors = connection.query(ActorNamesQuery);
    while (actors.next())
        names.insert(actors.value(0).toInt(), actors.value(1).toString());

    QHash<int, QString> casts;
    QSqlQuery links = connection.query(CastLinksQuery);
    while (links.next()) {
        const auto name = names.constFind(links.value(1).toInt());
        if (name == names.constEnd())
            continue;
        QString& cast = casts[links.value(0).toInt()];
        if (!cast.isEmpty())
            cast += u'/';
        cast += *name;
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
    static const QString noGenre = QString::fromLatin1(db::NoGenreText);
    movie.genres = genres.value(id, noGenre);
    movie.media = row.value(MediaName).toString();
    movie.minutes = numberOf(row.value(Minutes));
    movie.rating = row.value(RatingName).toString();
    movie.year = numberOf(row.value(ReleaseYear));
    movie.director = row.value(Director).toString();
    movie.producer = row.value(Producer).toString();
    movie.actors = casts.value(id);
    movie.location = row.value(LocationName).toString();
    movie.label = row.value(LabelNumber).toString();
    movie.acquireDate = storedDay(row.value(AcquireDate));
    movie.cost = db::Currency::fromDouble(numberOf(row.value(Cost)));
    movie.lentTo = row.value(LentTo).toString();
    movie.lentDate = storedDay(row.value(LentDate));
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
        buffer_.reserve(FlushSize + 64 * 1024);
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
        buffer_.resize(0);  // keeps the allocation for the next lines
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
            bool unchanged = true;
            writer.writeLine(MovieLineText(movie, &unchanged));
            ++result.exported;
            if (!unchanged)
                ++result.altered;
        } while (movies.next());
        writer.commit();
        result.fileWritten = true;
    }
    result.leftOut = db::CountMovies(connection) - result.exported;
    return result;
}

}  // namespace io
