#include "io/ImportMovies.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/KnownNames.h"
#include "db/Movies.h"
#include "db/Transaction.h"
#include "io/ImportedLine.h"
#include "io/MovieFileFormat.h"
#include "io/MovieFileLines.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <vector>

namespace io {

namespace {

// Lines per commit: few enough to keep a commit short, many enough that commits cost little.
constexpr int BatchSize = 1000;

QString reasonOf(const std::exception& error) {
    if (const auto* known = dynamic_cast<const db::Error*>(&error))
        return known->message();
    return QString::fromLocal8Bit(error.what());
}

void list(ImportResult& result, int lineNumber, const QString& reason) {
    if (result.refused.size() < ImportResult::MaximumListed)
        result.refused.append({lineNumber, reason});
}

void refuse(ImportResult& result, int lineNumber, const QString& reason) {
    list(result, lineNumber, reason);
    ++result.refusedCount;
}

// The window's messages list the first few lines; the whole list is for the command line.
constexpr int LinesInNotes = 10;

// Writes the movie of a checked line with its names found, or added, in their lists: the media,
// rating and location first, so that a new name gets its row even when the movie is an update.
// A genre or actor named twice counts once.
void writeLine(db::Connection& connection, db::KnownNames& known, const ImportedLine& line) {
    using db::LookupTable;
    db::MovieRecord movie = line.movie;
    movie.mediaId = known.findOrAdd(LookupTable::Media, line.media);
    movie.ratingId = known.findOrAdd(LookupTable::Rating, line.rating);
    movie.locationId = known.findOrAdd(LookupTable::Location, line.location);
    QList<int> genres;
    for (const QString& name : line.genres) {
        const int id = MeansNoGenre(name) ? known.find(LookupTable::Genre, name)
                                          : known.findOrAdd(LookupTable::Genre, name);
        if (id > 0 && !genres.contains(id))
            genres.append(id);
    }
    QStringList genreIds;
    for (int id : genres)
        genreIds.append(QString::number(id));
    movie.genreIds = genreIds.join(u'/');
    const int existing = known.findTitle(movie.title);
    // The line's cast replaces the movie's, as its genres do.
    QList<int> cast;
    for (const QString& name : line.actors) {
        const int id = known.findOrAdd(LookupTable::Actor, name);
        if (!cast.contains(id))
            cast.append(id);
    }
    db::WriteMovie(connection, existing, movie, cast);
    known.addTitle(movie.title);
}

// Writes checked lines in batches, one transaction each. A line that fails rolls its batch
// back; the lines before it are then written again, so that they stay and nothing of the failing
// line does. Nothing is written after a failure.
class BatchWriter {
public:
    BatchWriter(db::Connection& connection, ImportResult& result)
        : connection_(connection), known_(connection), result_(result) {}

    bool failed() const { return result_.failedLine != 0; }

    void write(ImportedLine line) {
        batch_.push_back(std::move(line));
        try {
            if (!transaction_)
                transaction_.emplace(connection_);
            writeLine(connection_, known_, batch_.back());
        } catch (const std::exception& error) {
            fail(batch_.back().number, error);
            batch_.pop_back();
            rewrite();
            return;
        }
        if (batch_.size() >= size_t(BatchSize))
            commit();
    }

    // Commits what has been written.
    void commit() {
        if (!transaction_)
            return;
        try {
            transaction_->commit();
            result_.imported += int(batch_.size());
        } catch (const std::exception& error) {
            fail(batch_.front().number, error);  // none of the batch stays
        }
        transaction_.reset();
        batch_.clear();
    }

    // The file could not be read on at this line.
    void stopAt(int lineNumber, const std::exception& error) {
        fail(lineNumber, error);
        commit();
    }

private:
    void fail(int lineNumber, const std::exception& error) {
        result_.failedLine = lineNumber;
        result_.failure = reasonOf(error);
    }

    // After a rollback, the lines of the batch before the failing one again, in a transaction
    // of their own. Should one of them fail now, the lines before that one are kept instead.
    void rewrite() {
        rollBack();
        while (!batch_.empty()) {
            size_t written = 0;
            try {
                transaction_.emplace(connection_);
                for (; written < batch_.size(); ++written)
                    writeLine(connection_, known_, batch_[written]);
            } catch (const std::exception& error) {
                fail(batch_[written].number, error);
                batch_.resize(written);
                rollBack();
                continue;
            }
            break;
        }
        commit();
    }

    void rollBack() {
        if (transaction_)
            transaction_->rollBack();
        transaction_.reset();
        known_.forgetAdded();
    }

    db::Connection& connection_;
    db::KnownNames known_;
    ImportResult& result_;
    std::optional<db::Transaction> transaction_;
    std::vector<ImportedLine> batch_;  // written since the last commit
};

}  // namespace

bool ReadMovieFileHeader(MovieFileLines& lines) {
    const QString header = lines.next();
    return !lines.lastLineTooLong() && IsMovieFileHeader(header);
}

std::optional<ImportedLine> NextMovieLine(MovieFileLines& lines, ImportResult& result) {
    while (!lines.atEnd()) {
        const QString line = lines.next();
        const int number = lines.lineNumber();
        result.windows1252Lines = lines.windows1252Lines();
        if (lines.lastLineTooLong()) {
            refuse(result, number,
                   QCoreApplication::translate("io::ImportMovies",
                                               "it is longer than any movie line"));
            continue;
        }
        if (line.size() < MinimumLineLength) {
            ++result.skipped;
            list(result, number,
                 line.trimmed().isEmpty()
                     ? QCoreApplication::translate("io::ImportMovies", "it is empty")
                     : QCoreApplication::translate("io::ImportMovies",
                                                   "it is too short to hold a movie"));
            continue;
        }
        if (const std::optional<QString> reason = NotAMovieLine(line)) {
            refuse(result, number, *reason);
            continue;
        }
        try {
            return ReadImportedLine(ReadMovieFields(line), number);
        } catch (const LineRefused& refusal) {
            refuse(result, number, refusal.message());
        }
    }
    return std::nullopt;
}

namespace {

// Writes the lines next gives until it gives none, the writer fails or a stop is asked for.
// When next cannot read on, failedLine names the line it could not read.
void writeLines(db::Connection& connection, ImportResult& result,
                const std::function<std::optional<ImportedLine>()>& next,
                const std::function<int()>& failedLine, const ImportProgress& progress,
                const StopRequested& stop) {
    BatchWriter writer(connection, result);
    while (!writer.failed()) {
        std::optional<ImportedLine> line;
        try {
            line = next();
        } catch (const std::exception& error) {
            writer.stopAt(failedLine(), error);
            break;
        }
        if (!line)
            break;
        if (stop && stop()) {
            result.stopped = true;
            break;
        }
        if (progress)
            progress(line->movie.title, line->number);
        writer.write(std::move(*line));
    }
    writer.commit();
}

}  // namespace

ImportResult ImportMovies(db::Connection& connection, MovieFileLines& lines,
                          const ImportProgress& progress, const StopRequested& stop) {
    ImportResult result;
    result.headerAccepted = ReadMovieFileHeader(lines);
    if (!result.headerAccepted)
        return result;
    writeLines(
        connection, result, [&] { return NextMovieLine(lines, result); },
        [&] { return lines.lineNumber() + 1; }, progress, stop);
    return result;
}

ImportResult ImportLines(db::Connection& connection, const std::vector<ImportedLine>& lines,
                         const ImportProgress& progress, const StopRequested& stop) {
    ImportResult result;
    result.headerAccepted = true;
    size_t next = 0;
    writeLines(
        connection, result,
        [&] {
            return next < lines.size() ? std::optional<ImportedLine>(lines[next++]) : std::nullopt;
        },
        [] { return 0; }, progress, stop);
    return result;
}

ImportResult ImportMovies(db::Connection& connection, const QString& path,
                          const ImportProgress& progress, const StopRequested& stop) {
    MovieFileLines lines(path);
    ImportResult result = ImportMovies(connection, lines, progress, stop);
    ImportPicturesBeside(connection, path, result, stop);
    return result;
}

void ImportPicturesBeside(db::Connection& connection, const QString& path, ImportResult& result,
                          const StopRequested& stop) {
    if (!result.headerAccepted || result.stopped || result.failedLine != 0)
        return;
    // The movies are in: a picture that cannot be stored is reported, not a failure.
    try {
        result.pictures = ImportPictureFolder(connection, path, stop);
    } catch (const db::Error& error) {
        result.pictures.refused.append(error.message());
    }
}

QString ImportNotes(const ImportResult& result) {
    QString notes;
    if (result.skipped > 0)
        notes += QCoreApplication::translate(
                     "io::ImportMovies",
                     "\n\nLines skipped because they are too short to hold a movie: %1.")
                     .arg(result.skipped);
    if (result.refusedCount > 0)
        notes += QCoreApplication::translate("io::ImportMovies", "\n\nLines not imported: %1.")
                     .arg(result.refusedCount);
    const qsizetype listed = std::min<qsizetype>(result.refused.size(), LinesInNotes);
    for (qsizetype i = 0; i < listed; ++i)
        notes += QCoreApplication::translate("io::ImportMovies", "\nLine %1: %2.")
                     .arg(result.refused[i].lineNumber)
                     .arg(result.refused[i].reason);
    if (result.linesNotImported() > listed)
        notes += QCoreApplication::translate("io::ImportMovies", "\n... and %1 more.")
                     .arg(result.linesNotImported() - listed);
    if (result.windows1252Lines > 0)
        notes += QCoreApplication::translate(
                     "io::ImportMovies",
                     "\n\nLines read as Windows-1252 because they are not UTF-8: %1.")
                     .arg(result.windows1252Lines);
    const PictureImportResult& pictures = result.pictures;
    if (pictures.stored > 0)
        notes += QCoreApplication::translate("io::ImportMovies", "\n\nPictures imported: %1.")
                     .arg(pictures.stored);
    if (!pictures.unmatched.isEmpty())
        notes += QCoreApplication::translate("io::ImportMovies",
                                             "\n\nPictures that name no movie of the file: %1.")
                     .arg(pictures.unmatched.size());
    if (!pictures.refused.isEmpty()) {
        notes += QCoreApplication::translate("io::ImportMovies", "\n\nPictures not imported: %1.")
                     .arg(pictures.refused.size());
        for (const QString& refusal : pictures.refused.mid(0, ImportResult::MaximumListed))
            notes += u'\n' + refusal;
        if (pictures.refused.size() > ImportResult::MaximumListed)
            notes += QCoreApplication::translate("io::ImportMovies", "\n... and %1 more.")
                         .arg(pictures.refused.size() - ImportResult::MaximumListed);
    }
    return notes;
}

}  // namespace io
