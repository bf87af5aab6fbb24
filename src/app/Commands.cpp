#include "app/Commands.h"

#include "app/CatalogueDamage.h"
#include "app/CommandLine.h"
#include "app/CommandSupport.h"
#include "app/PeerCommands.h"
#include "app/PictureCommands.h"
#include "app/ReportIds.h"
#include "app/Startup.h"
#include "db/Backup.h"
#include "db/Catalogue.h"
#include "db/CatalogueFiles.h"
#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "db/FileCheck.h"
#include "db/Movies.h"
#include "db/ProgressReporter.h"
#include "db/Repair.h"
#include "io/Destination.h"
#include "io/ExportMovies.h"
#include "io/ImportMovies.h"
#include "io/MovieFileLines.h"
#include "io/PictureFolder.h"
#include "report/DocumentReplay.h"
#include "report/PageDrawer.h"
#include "report/Report.h"
#include "report/ReportList.h"
#include "report/RunReport.h"
#include "report/SpoolLeftovers.h"
#include "report/SpoolReader.h"
#include "report/SpoolWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>
#include <cstdio>
#include <functional>
#include <map>

namespace app {

namespace {

int exportMovies(const Invocation& invocation) {
    OpenCatalogue open(invocation, OpenCatalogue::Purpose::Read);
    DamageCheckBeside check(open.catalogue());
    TerminalProgress progress;
    const io::ExportResult result =
        io::ExportMovies(open.connection(), invocation.file, [&](const QString& title) {
            progress.show(QCoreApplication::translate("app::Commands", "Exporting %1").arg(title));
        });
    // Movies sent to standard output are not followed by a word of ours.
    say(io::IsStandardOutput(invocation.file) ? stderr : stdout,
        QCoreApplication::translate("app::Commands", "%1 movies exported to %2.")
            .arg(result.exported)
            .arg(invocation.file));
    if (result.pictures > 0)
        say(stdout, QCoreApplication::translate("app::Commands", "%1 pictures written to %2.")
                        .arg(result.pictures)
                        .arg(io::PictureFolderOf(invocation.file)));
    if (result.leftOut > 0)
        say(stderr, QCoreApplication::translate(
                        "app::Commands",
                        "Not exported, because their media, rating or storage location "
                        "no longer exists: %1 (tallowmere check --repair mends that).")
                        .arg(result.leftOut));
    if (result.altered > 0)
        say(stderr, QCoreApplication::translate(
                        "app::Commands", "Movies with text the file cannot hold as it stands: %1.")
                        .arg(result.altered));
    const bool sound = check.warnWhenDamaged();
    return result.leftOut > 0 || !sound ? ExitFailure : ExitOk;
}

int importMovies(const Invocation& invocation) {
    OpenCatalogue open(invocation, OpenCatalogue::Purpose::Write);
    // Backed up only once the import goes ahead: a command that fails on its file must not
    // push a good backup out.
    const auto notAMovieFile = [&] {
        say(stderr,
            QCoreApplication::translate(
                "app::Commands", "%1 is not a movie file: its first line is not the header of one.")
                .arg(invocation.file));
        return ExitFailure;
    };
    if (io::MovieFileLines first(invocation.file); !io::ReadMovieFileHeader(first))
        return notAMovieFile();
    if (!SoundBeforeWriting(open.catalogue()))
        return ExitFailure;
    if (db::CountMovies(open.connection()) > 0)
        say(stdout, QCoreApplication::translate("app::Commands", "Backup: %1")
                        .arg(db::BackupBeforeChange(open.catalogue())));
    TerminalProgress progress;
    const io::ImportResult result =
        io::ImportMovies(open.connection(), invocation.file, [&](const QString& title, int line) {
            progress.show(
                QCoreApplication::translate("app::Commands", "Line %1: %2").arg(line).arg(title));
        });
    if (!result.headerAccepted)
        return notAMovieFile();
    say(stdout,
        QCoreApplication::translate("app::Commands", "%1 movies imported.").arg(result.imported));
    bool everything = true;
    if (result.pictures.stored > 0)
        say(stdout, QCoreApplication::translate("app::Commands", "%1 pictures imported.")
                        .arg(result.pictures.stored));
    for (const QString& refusal : result.pictures.refused) {
        say(stderr,
            QCoreApplication::translate("app::Commands", "Picture not imported: %1").arg(refusal));
        everything = false;
    }
    for (const QString& file : result.pictures.unmatched) {
        say(stderr, QCoreApplication::translate("app::Commands",
                                                "Picture that names no movie of the file: %1")
                        .arg(file));
        everything = false;
    }
    if (result.skipped > 0) {
        say(stderr,
            QCoreApplication::translate(
                "app::Commands", "Lines skipped because they are too short to hold a movie: %1.")
                .arg(result.skipped));
        everything = false;
    }
    for (const io::RefusedLine& line : result.refused)
        say(stderr, QCoreApplication::translate("app::Commands", "%1:%2: %3; not imported.")
                        .arg(invocation.file)
                        .arg(line.lineNumber)
                        .arg(line.reason));
    if (result.linesNotImported() > result.refused.size())
        say(stderr, QCoreApplication::translate("app::Commands", "Other lines not imported: %1.")
                        .arg(result.linesNotImported() - result.refused.size()));
    everything = everything && result.refusedCount == 0;
    if (result.windows1252Lines > 0)
        say(stdout,
            QCoreApplication::translate(
                "app::Commands", "Lines read as Windows-1252 because they are not UTF-8: %1.")
                .arg(result.windows1252Lines));
    if (result.failedLine > 0) {
        say(stderr,
            QCoreApplication::translate("app::Commands",
                                        "%1:%2: %3 Nothing of that line or the lines after it was "
                                        "imported.")
                .arg(invocation.file)
                .arg(result.failedLine)
                .arg(result.failure));
        everything = false;
    }
    return everything ? ExitOk : ExitFailure;
}

int backupCatalogue(const Invocation& invocation) {
    OpenCatalogue open(invocation, OpenCatalogue::Purpose::Read);
    DamageCheckBeside check(open.catalogue());
    db::BackupCatalogue(open.catalogue().filePath(), invocation.file);
    say(stdout, QCoreApplication::translate("app::Commands", "%1 backed up to %2.")
                    .arg(open.catalogue().name(), invocation.file));
    return check.warnWhenDamaged() ? ExitOk : ExitFailure;
}

// The repair works unattended: no window shows its steps, and nothing cancels it.
class QuietProgress final : public db::ProgressReporter {
public:
    void ShowProgress(const QString&, int, int) override {}
    void ProgressStep(const QString&) override {}
    void CloseProgress() override {}
    bool stopRequested() const override { return false; }
};

int checkCatalogue(const Invocation& invocation) {
    OpenCatalogue open(invocation, invocation.repair ? OpenCatalogue::Purpose::Write
                                                     : OpenCatalogue::Purpose::Read);
    const QString path = open.catalogue().filePath();
    say(stdout, QCoreApplication::translate("app::Commands", "Catalogue %1: %2")
                    .arg(open.catalogue().name(), path));
    QStringList damage = db::IntegrityProblems(path);
    say(stdout, QCoreApplication::translate("app::Commands", "File check: %1")
                    .arg(damage.isEmpty() ? QCoreApplication::translate("app::Commands", "ok")
                                          : damage.join(u'\n')));
    if (invocation.repair && db::OnlyIndexesDamaged(damage)) {
        say(stdout, QCoreApplication::translate("app::Commands", "Backup: %1")
                        .arg(db::BackupBeforeChange(open.catalogue())));
        open.connection().execute(QStringLiteral("REINDEX"));
        damage = db::IntegrityProblems(path);
        say(stdout, QCoreApplication::translate("app::Commands", "Indexes rebuilt. File check: %1")
                        .arg(damage.isEmpty() ? QCoreApplication::translate("app::Commands", "ok")
                                              : damage.join(u'\n')));
    }
    say(stdout, QCoreApplication::translate("app::Commands", "Movies: %1")
                    .arg(db::CountMovies(open.connection())));
    const db::RepairableProblems found = db::FindRepairableProblems(open.connection());
    say(stdout, QCoreApplication::translate("app::Commands",
                                            "Media, ratings and locations that name nothing: %1")
                    .arg(found.brokenReferences));
    say(stdout, QCoreApplication::translate("app::Commands",
                                            "Cast and genre links of movies that are gone: %1")
                    .arg(found.orphanLinks));
    say(stdout, QCoreApplication::translate("app::Commands", "Pictures of movies that are gone: %1")
                    .arg(found.orphanPictures));
    const bool mendable = found.brokenReferences + found.orphanLinks + found.orphanPictures > 0;
    // Nothing is written into a damaged file: a repair could spread the damage.
    if (invocation.repair && mendable && damage.isEmpty()) {
        say(stdout, QCoreApplication::translate("app::Commands", "Backup: %1")
                        .arg(db::BackupBeforeChange(open.catalogue())));
        QuietProgress quiet;
        say(stdout, QCoreApplication::translate("app::Commands", "%1 problems repaired.")
                        .arg(db::RepairReferences(open.connection(), quiet)));
    } else if (mendable && damage.isEmpty()) {
        say(stdout,
            QCoreApplication::translate("app::Commands", "tallowmere check --repair mends them."));
    }
    if (!damage.isEmpty())
        say(stderr, QCoreApplication::translate("app::Commands",
                                                "The file is damaged. Keep it as it is. %1")
                        .arg(DamageAdvice(open.catalogue().folder(), damage)));
    return damage.isEmpty() && (!mendable || invocation.repair) ? ExitOk : ExitFailure;
}

// "2,5" as ids; nothing when a part is not a whole number.
std::optional<QList<int>> idsOf(const QString& text) {
    QList<int> ids;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        ids.append(part.trimmed().toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return ids;
}

int writeReport(const Invocation& invocation) {
    const std::optional<report::ReportEntry> entry = report::FindReport(invocation.report);
    if (!entry) {
        QStringList names;
        for (const report::ReportEntry& each : report::ReportEntries())
            names.append(QString::fromLatin1(each.shortName));
        say(stderr, QCoreApplication::translate("app::Commands",
                                                "There is no report '%1'. The reports: %2.")
                        .arg(invocation.report, names.join(QStringLiteral(", "))));
        return ExitBadUsage;
    }
    const std::optional<QList<int>> ids = idsOf(invocation.ids);
    if (!ids || entry->takesIds == ids->isEmpty()) {
        say(stderr, entry->takesIds ? QCoreApplication::translate(
                                          "app::Commands",
                                          "The report '%1' needs --ids: the ids of the ratings or "
                                          "media to list, such as 2,5.")
                                          .arg(invocation.report)
                                    : QCoreApplication::translate("app::Commands",
                                                                  "The report '%1' takes no --ids.")
                                          .arg(invocation.report));
        return ExitBadUsage;
    }
    OpenCatalogue open(invocation, OpenCatalogue::Purpose::Read);
    if (entry->takesIds) {
        if (const std::optional<QString> refusal = UnknownReportIds(
                open.connection(), entry->kind == report::ReportKind::Rating, *ids)) {
            say(stderr, *refusal);
            return ExitBadUsage;
        }
    }
    if (db::IsCatalogueFile(invocation.pdf, open.catalogue().filePath()))
        throw db::Error(
            QCoreApplication::translate("app::Commands",
                                        "'%1' is the catalogue's own file; it has been left as it "
                                        "is. Name another file.")
                .arg(invocation.pdf));
    report::RemoveLeftoverSpoolFiles(open.catalogue().folder());
    const ReportSpoolFolder spoolFolder(open.catalogue().folder());
    report::SpoolWriter writer(spoolFolder.path());
    DamageCheckBeside check(open.catalogue());
    writer.setDatabaseName(open.catalogue().name());
    const std::unique_ptr<report::Report> made =
        report::MakeReport(entry->kind, writer, open.connection(), *ids);
    const std::optional<QString> spool = report::RunReport(*made, writer);
    if (!spool) {
        say(stderr,
            QCoreApplication::translate("app::Commands", "The report '%1' could not be made.")
                .arg(invocation.report));
        return ExitFailure;
    }
    const auto removeSpool = qScopeGuard([&] { QFile::remove(*spool); });
    report::SpoolReader reader(*spool);
    report::DrawingState state;
    report::WritePdf(reader, invocation.pdf, state);
    say(io::IsStandardOutput(invocation.pdf) ? stderr : stdout,
        QCoreApplication::translate("app::Commands", "%1: %2 pages written to %3.")
            .arg(made->Name())
            .arg(reader.pageCount())
            .arg(invocation.pdf));
    return check.warnWhenDamaged() ? ExitOk : ExitFailure;
}

}  // namespace

int RunCommand(const Invocation& invocation) {
    const std::map<QString, std::function<int(const Invocation&)>> commands = {
        {QStringLiteral("export"), exportMovies},
        {QStringLiteral("import"),
         [](const Invocation& each) {
             return each.from.isEmpty() ? importMovies(each) : ImportFromPeer(each);
         }},
        {QStringLiteral("backup"), backupCatalogue},
        {QStringLiteral("report"), writeReport},
        {QStringLiteral("check"), checkCatalogue},
        {QStringLiteral("publish"), PublishWebPage},
        {QStringLiteral("pictures"), RunPicturesCommand},
    };
    try {
        return commands.at(invocation.command)(invocation);
    } catch (const std::exception& error) {
        say(stderr, QString::fromUtf8(error.what()));
        // Damage the engine met on its way says nothing of the backups; the advice does.
        if (const auto* refusal = dynamic_cast<const db::DatabaseError*>(&error);
            refusal && refusal->damaged())
            say(stderr, DamageAdvice(CatalogueFolder(), {}));
        return ExitFailure;
    }
}

}  // namespace app
