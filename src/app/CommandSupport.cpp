#include "app/CommandSupport.h"

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "db/CaseKeys.h"
#include "db/Connection.h"
#include "db/ReadOnlyOpening.h"
#include "db/Upgrade.h"
#include "settings/Settings.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace app {

void say(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stream);
    std::fflush(stream);
}

TerminalProgress::TerminalProgress() : shown_(isatty(fileno(stderr)) != 0) {}

TerminalProgress::~TerminalProgress() {
    if (shown_ && drawn_)
        std::fputs("\r\033[K", stderr);
}

void TerminalProgress::show(const QString& text) {
    if (!shown_ || (clock_.isValid() && clock_.elapsed() < 200))
        return;
    clock_.start();
    drawn_ = true;
    std::fputs(qPrintable(QStringLiteral("\r\033[K") + text.left(70)), stderr);
    std::fflush(stderr);
}

OpenCatalogue::OpenCatalogue(const Invocation& invocation, Purpose purpose)
    : catalogue_(CatalogueFolder()) {
    settings::Settings settings;
    const QString name = invocation.catalogue.isEmpty() ? settings::LoadDatabaseName(settings)
                                                        : invocation.catalogue;
    const QString path = db::Catalogue::FilePath(catalogue_.folder(), name);
    if (purpose == Purpose::Read && !QFile::exists(path))
        throw db::Error(tr("There is no catalogue '%1' (%2).").arg(name, path));
    // A reader writes nothing, not even the lock, so that it works where nothing can be
    // written; only a catalogue of an older version is first brought up to date.
    if (purpose == Purpose::Read) {
        catalogue_.OpenDatabase(name, db::Catalogue::Sharing::ReadOnly);
        db::Connection& reading = catalogue_.connection();
        if (db::ReadVersion(reading) >= db::CurrentSchemaVersion && db::HasCaseKeys(reading))
            return;
    }
    QDir().mkpath(catalogue_.folder());
    try {
        catalogue_.OpenDatabase(name);
        db::UpdateDatabase(catalogue_.connection());
        db::FillMissingCaseKeys(catalogue_.connection());
    } catch (const db::CatalogueInUse&) {
        if (purpose == Purpose::Write)
            throw;
        // The window has it: it is up to date, and a reader may look.
        catalogue_.OpenDatabase(name, db::Catalogue::Sharing::Shared);
    } catch (const db::Error& error) {
        if (purpose == Purpose::Write)
            throw;
        throw db::Error(tr("The catalogue '%1' is first to be brought up to date "
                           "for this version of the program, which needs its folder "
                           "to be written: %2")
                            .arg(name, error.message()));
    }
}

ReportSpoolFolder::ReportSpoolFolder(const QString& catalogueFolder)
    : path_(catalogueFolder + QStringLiteral("/Temp")) {
    if (db::HasRoomToWrite(catalogueFolder) && QDir().mkpath(path_))
        return;
    elsewhere_ = std::make_unique<QTemporaryDir>();
    if (elsewhere_->isValid())
        path_ = elsewhere_->path();
}

ReportSpoolFolder::~ReportSpoolFolder() = default;

}  // namespace app
