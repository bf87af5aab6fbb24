#include "io/ImportMovies.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/Genres.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/TextLimits.h"
#include "db/TextRoutines.h"
#include "db/Transaction.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"

#include <optional>

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

struct Limit {
    Field field;
    int maximum;
};

// The texts the catalogue takes as they stand, and the lists of names.
constexpr Limit TextLimits[] = {
    {Title, db::TitleMaximum},       {Media, db::NameMaximum},        {Rating, db::NameMaximum},
    {Director, db::DirectorMaximum}, {Producer, db::ProducerMaximum}, {Location, db::NameMaximum},
    {Label, db::LabelMaximum},       {LentTo, db::LentToMaximum},     {Notes, db::NotesMaximum}};
constexpr Field NameLists[] = {Genre, Actors};

// A line the import passes over, with the reason the user is told.
class LineRefused : public db::Error {
public:
    using db::Error::Error;
};

// Characters as the engine counts them: code points, not UTF-16 units.
qsizetype characters(QStringView text) {
    qsizetype count = text.size();
    for (QChar c : text)
        if (c.isLowSurrogate())
            --count;
    return count;
}

QStringList names(const QString& list) {
    QStringList result;
    for (QStringView part : QStringView(list).split(u'/')) {
        const QStringView name = part.trimmed();
        if (!name.isEmpty())
            result.append(name.toString());
    }
    return result;
}

// The cost as the number its text begins with (after NumericOnly), in ten-thousandths, rounded
// half away from zero. Read digit by digit, not through a double, so that every amount the
// currency type holds comes in exactly and any larger one is refused.
db::Currency costOf(const QString& field) {
    constexpr quint64 Largest = 9223372036854775807ull;  // +-922,337,203,685,477.5807
    const QString number = db::NumericOnly(field);
    qsizetype i = 0;
    const bool negative = number.startsWith(u'-');
    if (negative)
        ++i;
    quint64 whole = 0;
    bool tooLarge = false;
    for (; i < number.size() && number[i].isDigit(); ++i) {
        whole = whole * 10 + quint64(number[i].digitValue());
        tooLarge = tooLarge || whole > Largest / 10000;
    }
    quint64 fraction = 0;
    if (i < number.size() && number[i] == u'.') {
        int place = 0;
        for (++i; i < number.size() && number[i].isDigit() && place < 5; ++i, ++place)
            fraction = fraction * 10 + quint64(number[i].digitValue());
        for (; place < 5; ++place)
            fraction *= 10;
    }
    const quint64 magnitude = tooLarge ? 0 : whole * 10000 + (fraction + 5) / 10;
    if (tooLarge || magnitude > Largest)
        throw LineRefused(QStringLiteral("the Cost %1 is more than the catalogue can hold (at "
                                         "most 922,337,203,685,477.5807)")
                              .arg(field.trimmed()));
    const auto amount = qint64(magnitude);
    return db::Currency::fromTenThousandths(negative ? -amount : amount);
}

void checkLengths(const QStringList& fields) {
    auto refuse = [](const QString& what, int maximum) {
        throw LineRefused(QStringLiteral("%1 is longer than %2 characters").arg(what).arg(maximum));
    };
    for (const Limit& limit : TextLimits) {
        const QString& text = fields[limit.field];
        if (text.size() > limit.maximum && characters(text) > limit.maximum)
            refuse(QStringLiteral("the ") + MovieFieldName(limit.field), limit.maximum);
    }
    for (Field list : NameLists)
        for (const QString& name : names(fields[list]))
            if (name.size() > db::NameMaximum && characters(name) > db::NameMaximum)
                refuse(QStringLiteral("a name in ") + MovieFieldName(list), db::NameMaximum);
}

QString reasonOf(const std::exception& error) {
    if (const auto* known = dynamic_cast<const db::Error*>(&error))
        return known->message();
    return QString::fromLocal8Bit(error.what());
}

void refuse(ImportResult& result, int lineNumber, const QString& reason) {
    if (result.refused.size() < ImportResult::MaximumListed)
        result.refused.append({lineNumber, reason});
    ++result.refusedCount;
}

// Why a line read from the file cannot be imported, before its fields are looked at.
std::optional<QString> lineRefusal(const MovieFileLines& lines, const QString& line) {
    if (lines.lastLineTooLong())
        return QStringLiteral("it is longer than any movie line");
    return NotAMovieLine(line);
}

}  // namespace

int ImportMovieLine(db::Connection& connection, const QStringList& fields,
                    const std::function<void(const QString& title)>& showTitle) {
    using db::LookupTable;
    checkLengths(fields);
    db::MovieRecord movie;
    movie.cost = costOf(fields[Cost]);
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

    // The line's cast replaces the movie's, as its genres do; a name given twice counts once.
    QList<int> cast;
    for (const QString& name : names(fields[Actors])) {
        const int actorId = db::LookupOrAddId(connection, LookupTable::Actor, name);
        if (!cast.contains(actorId))
            cast.append(actorId);
    }
    db::SetMovieCastIds(connection, movieId, cast);
    return movieId;
}

ImportResult ImportMovies(db::Connection& connection, MovieFileLines& lines,
                          const ImportProgress& progress) {
    ImportResult result;
    const QString header = lines.next();
    result.headerAccepted = !lines.lastLineTooLong() && IsMovieFileHeader(header);
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
                const int number = lines.lineNumber();
                if (!lines.lastLineTooLong() && line.size() < MinimumLineLength) {
                    ++result.skipped;
                    continue;
                }
                if (const std::optional<QString> reason = lineRefusal(lines, line)) {
                    refuse(result, number, *reason);
                    continue;
                }
                try {
                    db::Transaction savepoint(connection);
                    ImportMovieLine(connection, ReadMovieFields(line), showTitle);
                } catch (const LineRefused& refusal) {
                    refuse(result, number, refusal.message());
                    continue;
                } catch (const std::exception& error) {
                    result.failedLine = number;
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
    result.windows1252Lines = lines.windows1252Lines();
    return result;
}

ImportResult ImportMovies(db::Connection& connection, const QString& path,
                          const ImportProgress& progress) {
    MovieFileLines lines(path);
    return ImportMovies(connection, lines, progress);
}

QString ImportNotes(const ImportResult& result) {
    QString notes;
    if (result.skipped > 0)
        notes += QStringLiteral("\n\nLines skipped because they are too short to hold a movie: %1.")
                     .arg(result.skipped);
    if (result.refusedCount > 0) {
        notes += QStringLiteral("\n\nLines not imported: %1.").arg(result.refusedCount);
        for (const RefusedLine& line : result.refused)
            notes += QStringLiteral("\nLine %1: %2.").arg(line.lineNumber).arg(line.reason);
        if (result.refusedCount > result.refused.size())
            notes += QStringLiteral("\n... and %1 more.")
                         .arg(result.refusedCount - result.refused.size());
    }
    if (result.windows1252Lines > 0)
        notes += QStringLiteral("\n\nLines read as Windows-1252 because they are not UTF-8: %1.")
                     .arg(result.windows1252Lines);
    return notes;
}

}  // namespace io
