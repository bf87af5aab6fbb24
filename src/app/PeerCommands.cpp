#include "app/PeerCommands.h"

#include "app/CatalogueDamage.h"
#include "app/CommandLine.h"
#include "app/CommandSupport.h"
#include "db/Backup.h"
#include "db/Movies.h"
#include "io/ImportMovies.h"
#include "io/ImportPreview.h"
#include "io/peers/CsvMapping.h"
#include "io/peers/GcstarReader.h"
#include "io/peers/PeerCovers.h"
#include "io/peers/PeerFile.h"
#include "io/peers/TellicoReader.h"
#include "io/publish/PublishSite.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QDate>

namespace app {

namespace {

// A CSV file's movies: its columns as the preset, the kept mapping or the guess has them.
io::PeerReading readCsv(const QByteArray& bytes, const QString& presetName) {
    const io::CsvTable table = io::ReadCsv(bytes);
    io::CsvMapping mapping;
    if (!presetName.isEmpty()) {
        mapping = *io::CsvPreset(presetName, table.header);
    } else {
        const settings::Settings settings;
        mapping = io::SavedOrGuessedMapping(
            table.header, settings.value(io::CsvMappingKey(table.header), QString()));
    }
    QStringList columns;
    for (qsizetype i = 0; i < table.header.size(); ++i)
        columns.append(
            QStringLiteral("%1: %2").arg(table.header[i], io::CsvFieldName(mapping.value(i))));
    say(stdout, QCoreApplication::translate("app::PeerCommands", "Columns: %1.")
                    .arg(columns.join(QStringLiteral("; "))));
    if (table.windows1252)
        say(stdout, QCoreApplication::translate(
                        "app::PeerCommands", "The file is read as Windows-1252: it is not UTF-8."));
    return io::ReadCsvMovies(table, mapping);
}

io::PeerReading readPeerFile(io::PeerFormat format, const Invocation& invocation) {
    const QByteArray bytes = io::ReadPeerBytes(invocation.file);
    switch (format) {
        case io::PeerFormat::Tellico:
            return io::ReadTellico(bytes);
        case io::PeerFormat::Gcstar:
            return io::ReadGcstar(bytes);
        case io::PeerFormat::Csv:
            break;
    }
    return readCsv(bytes, invocation.preset);
}

}  // namespace

QString PeerOptionsProblem(const Invocation& invocation) {
    const bool import = invocation.command == QLatin1String("import");
    if (!invocation.from.isEmpty() && !import)
        return QCoreApplication::translate("app::PeerCommands", "--from belongs to 'import'.");
    if (!invocation.from.isEmpty() && !io::PeerFormatNamed(invocation.from))
        return QCoreApplication::translate("app::PeerCommands",
                                           "--from takes tellico, gcstar or csv.");
    if (!invocation.preset.isEmpty() && invocation.from != QLatin1String("csv"))
        return QCoreApplication::translate("app::PeerCommands",
                                           "--preset belongs to 'import --from csv'.");
    if (!invocation.preset.isEmpty() && !io::CsvPresetNames().contains(invocation.preset))
        return QCoreApplication::translate("app::PeerCommands", "--preset takes %1.")
            .arg(io::CsvPresetNames().join(
                QCoreApplication::translate("app::PeerCommands", " or ")));
    return {};
}

int ImportFromPeer(const Invocation& invocation) {
    OpenCatalogue open(invocation, OpenCatalogue::Purpose::Write);
    io::PeerReading reading = readPeerFile(*io::PeerFormatNamed(invocation.from), invocation);
    io::FindCoversBeside(reading, invocation.file);
    const io::ImportPreview preview = io::PreviewLines(open.connection(), reading.lines);
    say(stdout, QCoreApplication::translate(
                    "app::PeerCommands",
                    "Movies to add: %1. Movies to update (a movie of the same title is "
                    "in the catalogue): %2.")
                    .arg(preview.added)
                    .arg(preview.updated));
    if (!reading.lines.empty() && !SoundBeforeWriting(open.catalogue()))
        return ExitFailure;
    if (db::CountMovies(open.connection()) > 0 && !reading.lines.empty())
        say(stdout, QCoreApplication::translate("app::PeerCommands", "Backup: %1")
                        .arg(db::BackupBeforeChange(open.catalogue())));
    TerminalProgress progress;
    const io::ImportResult result =
        io::ImportLines(open.connection(), reading.lines, [&](const QString& title, int line) {
            progress.show(QCoreApplication::translate("app::PeerCommands", "Line %1: %2")
                              .arg(line)
                              .arg(title));
        });
    say(stdout, QCoreApplication::translate("app::PeerCommands", "%1 movies imported.")
                    .arg(result.imported));
    // The movies are in: a cover that cannot be stored is reported, not a failure of theirs.
    const io::PictureImportResult covers = io::ImportPeerCovers(open.connection(), reading, result);
    if (covers.stored > 0)
        say(stdout, QCoreApplication::translate("app::PeerCommands", "%1 pictures imported.")
                        .arg(covers.stored));
    for (const QString& refusal : covers.refused)
        say(stderr, QCoreApplication::translate("app::PeerCommands", "Picture not imported: %1")
                        .arg(refusal));
    for (const QString& cover : covers.unmatched)
        say(stderr, QCoreApplication::translate("app::PeerCommands",
                                                "Picture whose movie is not in the catalogue: %1")
                        .arg(cover));
    for (const io::RefusedLine& line : reading.result.refused)
        say(stderr, QCoreApplication::translate("app::PeerCommands", "%1:%2: %3; not imported.")
                        .arg(invocation.file)
                        .arg(line.lineNumber)
                        .arg(line.reason));
    if (reading.result.refusedCount > reading.result.refused.size())
        say(stderr,
            QCoreApplication::translate("app::PeerCommands", "Other movies not imported: %1.")
                .arg(reading.result.refusedCount - reading.result.refused.size()));
    if (!reading.notes().isEmpty())
        say(stdout, reading.notes().trimmed());
    if (result.failedLine > 0 || !result.failure.isEmpty())
        say(stderr,
            QCoreApplication::translate(
                "app::PeerCommands", "%1: %2 Nothing of that movie or those after it was imported.")
                .arg(invocation.file, result.failure));
    const bool everyCover = covers.refused.isEmpty() && covers.unmatched.isEmpty();
    return reading.result.refusedCount == 0 && result.failure.isEmpty() && everyCover ? ExitOk
                                                                                      : ExitFailure;
}

int PublishWebPage(const Invocation& invocation) {
    OpenCatalogue open(invocation, OpenCatalogue::Purpose::Read);
    const io::PublishResult result = io::PublishSite(open.connection(), open.catalogue().name(),
                                                     invocation.file, QDate::currentDate());
    say(stdout, QCoreApplication::translate("app::PeerCommands", "%1 movies published to %2.")
                    .arg(result.movies)
                    .arg(result.page));
    return ExitOk;
}

}  // namespace app
