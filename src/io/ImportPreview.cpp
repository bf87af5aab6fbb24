#include "io/ImportPreview.h"

#include "db/KnownNames.h"
#include "db/UnicodeCase.h"
#include "io/MovieFileLines.h"

#include <QSet>

namespace io {

namespace {

// The names and titles the import would add, as it would find them: in the catalogue, or
// added by an earlier line of the file.
class DryRun {
public:
    DryRun(db::Connection& connection, ImportPreview& preview)
        : known_(connection), preview_(preview) {}

    void name(db::LookupTable table, const QString& name) {
        if (known_.find(table, name) > 0)
            return;
        QSet<QString>& added = newNames_[table];
        const QString fold = db::CaseFold(name);
        if (added.contains(fold))
            return;
        added.insert(fold);
        preview_.newNames[table].append(name);
    }

    void title(const QString& title) {
        const QString fold = db::CaseFold(title);
        if (known_.findTitle(title) > 0 || newTitles_.contains(fold)) {
            ++preview_.updated;
        } else {
            ++preview_.added;
            newTitles_.insert(fold);
        }
    }

private:
    db::KnownNames known_;
    ImportPreview& preview_;
    QMap<db::LookupTable, QSet<QString>> newNames_;
    QSet<QString> newTitles_;
};

}  // namespace

namespace {

void previewLines(db::Connection& connection, ImportPreview& preview,
                  const std::function<std::optional<ImportedLine>()>& next,
                  const ImportProgress& progress, const StopRequested& stop) {
    using db::LookupTable;
    ImportResult& result = preview.lines;
    DryRun run(connection, preview);
    while (const std::optional<ImportedLine> line = next()) {
        if (stop && stop()) {
            result.stopped = true;
            break;
        }
        if (progress)
            progress(line->movie.title, line->number);
        ++result.imported;
        run.name(LookupTable::Media, line->media);
        run.name(LookupTable::Rating, line->rating);
        run.name(LookupTable::Location, line->location);
        for (const QString& genre : line->genres)
            if (!MeansNoGenre(genre))
                run.name(LookupTable::Genre, genre);
        run.title(line->movie.title);
        for (const QString& actor : line->actors)
            run.name(LookupTable::Actor, actor);
    }
}

}  // namespace

ImportPreview PreviewImport(db::Connection& connection, MovieFileLines& lines,
                            const ImportProgress& progress, const StopRequested& stop) {
    ImportPreview preview;
    ImportResult& result = preview.lines;
    result.headerAccepted = ReadMovieFileHeader(lines);
    if (!result.headerAccepted)
        return preview;
    previewLines(
        connection, preview, [&] { return NextMovieLine(lines, result); }, progress, stop);
    preview.windows1252LineNumbers = lines.firstWindows1252Lines();
    return preview;
}

ImportPreview PreviewLines(db::Connection& connection, const std::vector<ImportedLine>& lines,
                           const ImportProgress& progress, const StopRequested& stop) {
    ImportPreview preview;
    preview.lines.headerAccepted = true;
    size_t next = 0;
    previewLines(
        connection, preview,
        [&] {
            return next < lines.size() ? std::optional<ImportedLine>(lines[next++]) : std::nullopt;
        },
        progress, stop);
    return preview;
}

}  // namespace io
