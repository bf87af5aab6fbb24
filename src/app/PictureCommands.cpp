#include "app/PictureCommands.h"

#include "app/CommandLine.h"
#include "app/CommandSupport.h"
#include "db/Backup.h"
#include "db/MoviePictures.h"
#include "io/PictureFolder.h"

#include <QCoreApplication>

namespace app {

namespace {

void list(FILE* stream, const QString& heading, const QStringList& lines) {
    if (lines.isEmpty())
        return;
    say(stream, heading.arg(lines.size()));
    for (const QString& line : lines)
        say(stream, QStringLiteral("  ") + line);
}

int importPictures(const Invocation& invocation) {
    OpenCatalogue open(invocation, OpenCatalogue::Purpose::Write);
    // A picture replaces the one a movie had: those are kept in a backup first.
    if (!db::MoviesWithPictures(open.connection()).isEmpty())
        say(stdout, QCoreApplication::translate("app::PictureCommands", "Backup: %1")
                        .arg(db::BackupBeforeChange(open.catalogue())));
    TerminalProgress progress;
    const io::PictureImportResult result =
        io::ImportPicturesByName(open.connection(), invocation.file, [&](const QString& file) {
            progress.show(
                QCoreApplication::translate("app::PictureCommands", "Reading %1").arg(file));
        });
    say(stdout, QCoreApplication::translate("app::PictureCommands", "%1 pictures stored from %2.")
                    .arg(result.stored)
                    .arg(invocation.file));
    list(stdout, QCoreApplication::translate("app::PictureCommands", "Matched: %1"),
         result.matched);
    list(stdout,
         QCoreApplication::translate("app::PictureCommands",
                                     "Not matched to a label number or title: %1"),
         result.unmatched);
    list(stderr, QCoreApplication::translate("app::PictureCommands", "Not stored: %1"),
         result.refused);
    return result.unmatched.isEmpty() && result.refused.isEmpty() ? ExitOk : ExitFailure;
}

int exportPictures(const Invocation& invocation) {
    OpenCatalogue open(invocation, OpenCatalogue::Purpose::Read);
    QStringList notWritten;
    const QStringList written =
        io::ExportPicturesByName(open.connection(), invocation.file, &notWritten);
    say(stdout, QCoreApplication::translate("app::PictureCommands", "%1 pictures written to %2.")
                    .arg(written.size())
                    .arg(invocation.file));
    list(stdout, QCoreApplication::translate("app::PictureCommands", "Written: %1"), written);
    list(stderr,
         QCoreApplication::translate(
             "app::PictureCommands",
             "Not written, because another movie has the same label number and title: "
             "%1"),
         notWritten);
    return notWritten.isEmpty() ? ExitOk : ExitFailure;
}

}  // namespace

int RunPicturesCommand(const Invocation& invocation) {
    return invocation.direction == QLatin1String("import") ? importPictures(invocation)
                                                           : exportPictures(invocation);
}

}  // namespace app
