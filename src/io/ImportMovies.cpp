#include "io/ImportMovies.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Genres.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/TextRoutines.h"
#include "db/Transaction.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"

namespace io {

namespace {

// Lines per commit: few enough to keep a commit short, many enough that commits cost little.
constexpr int BatchSize = 1000;

enum Field {
    MovieId,
    Title,
    Stars,
    Genre,
    Media,
    Minutes,
    Rating,
    Year,
    Director,
    Producer,
    Actors,
    Location,
    Label,
    AcquiredDate,
    Cost,
    LentTo,
    LentDate,
    Notes
};

QStringList castNames(const QString& actors) {
    QStringList names;
    for (QStringView part : QStringView(actors).split(u'/')) {
        const QStringView name = part.trimmed();
        if (!name.isEmpty())
            names.append(name.toString());
    }
    return names;
}

QString reasonOf(const std::exception& error) {
    if (const auto* known = dynamic_cast<const db::Error*>(&error))
        return known->message();
    return QString::fromLocal8Bit(error.what());
}

}  // namespace

int ImportMovieLine(db::Connection& connection, const QStringList& fields,
                    const std::function<void(const QString& title)>& showTitle) {
    using db::LookupTable;
    db::MovieRecord movie;
    movie.title = fields[Title];
    movie.stars = db::LeadingNumber(fields[Stars]);
    movie.mediaId = db::LookupOrAddId(connection, LookupTable::Media, fields[Media]);
    movie.minutes = db::LeadingWholeNumber(fields[Minutes]);
    movie.ratingId = db::LookupOrAddId(connection, LookupTable::Rating, fields[Rating]);
    movie.releaseYear = db::LeadingWholeNumber(fields[Year]);
    movie.director = fields[Director];
    movie.producer = fields[Producer];
    movie.locationId = db::LookupOrAddId(connection, LookupTable::Location, fields[Location]);
    movie.labelNumber = fields[Label];
    movie.acquireDate = db::SafeDate(fields[AcquiredDate]);
    movie.cost = db::Currency::fromDouble(db::LeadingNumber(db::NumericOnly(fields[Cost])));
    movie.lentTo = fields[LentTo];
    movie.lentDate = db::SafeDate(fields[LentDate]);
    movie.notes = db::DecodeLineBreaks(fields[Notes]);
    if (showTitle)
        showTitle(movie.title);

    db::AddMissingGenres(connection, fields[Genre]);
    movie.genreIds = db::GenreNamesToIds(connection, fields[Genre]);

    int movieId = db::FindMovieByTitle(connection, movie.title);
    if (movieId > 0)
        db::UpdateMovie(connection, movieId, movie);
    else
        movieId = db::InsertMovie(connection, movie);

    // The line's cast replaces the movie's, as its genres do.
    QList<int> cast;
    for (const QString& name : castNames(fields[Actors]))
        cast.append(db::LookupOrAddId(connection, LookupTable::Actor, name));
    db::SetMovieCastIds(connection, movieId, cast);
    return movieId;
}

ImportResult ImportMovies(db::Connection& connection, MovieFileLines& lines,
                          const ImportProgress& progress) {
    ImportResult result;
    result.headerAccepted = IsMovieFileHeader(lines.next());
    if (!result.headerAccepted)
        return result;

    auto showTitle = [&](const QString& title) {
        if (progress)
            progress(title, lines.lineNumber());
    };
    while (!lines.atEnd() && result.failedLine == 0) {
        const int batchStart = lines.lineNumber() + 1;
        int batchImported = 0;
        try {
            db::Transaction batch(connection);
            while (!lines.atEnd() && batchImported < BatchSize) {
                const QString line = lines.next();
                if (line.size() < MinimumLineLength) {
                    ++result.skipped;
                    continue;
                }
                try {
                    db::Transaction savepoint(connection);
                    ImportMovieLine(connection, ReadMovieFields(line), showTitle);
                } catch (const std::exception& error) {
                    result.failedLine = lines.lineNumber();
                    result.failure = reasonOf(error);
                    break;
                }
                ++batchImported;
            }
        } catch (const std::exception& error) {
            // The batch itself could not begin or commit: none of its lines stay.
            result.failedLine = batchStart;
            result.failure = reasonOf(error);
            batchImported = 0;
        }
        result.imported += batchImported;
    }
    return result;
}

ImportResult ImportMovies(db::Connection& connection, const QString& path,
                          const ImportProgress& progress) {
    MovieFileLines lines(path);
    return ImportMovies(connection, lines, progress);
}

}  // namespace io
